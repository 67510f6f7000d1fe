// The game's message box.
#include "messagebox.h"

#include <QMessageBox>
#include <QString>

namespace tessaro::platform {

void ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tessaro"), text, QMessageBox::Ok, parent);
    box.setObjectName(QString::fromLatin1(kMessageBoxObjectName));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace tessaro::platform
