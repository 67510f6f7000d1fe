// Records and closes whatever modal window opens while a test waits for it.
#pragma once

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

struct SeenMessageBox {
    QString objectName;
    QString title;
    QString text;
    Qt::TextFormat textFormat = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool modal = false;
};

class ModalBoxWatcher {
public:
    ModalBoxWatcher()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start();
    }

    int Count() const { return count_; }
    const SeenMessageBox& Last() const { return last_; }

private:
    void Look()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        ++count_;
        last_ = SeenMessageBox{};
        last_.objectName = modal->objectName();
        last_.title = modal->windowTitle();
        last_.modal = modal->isModal();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            last_.text = box->text();
            last_.textFormat = box->textFormat();
            last_.icon = box->icon();
            for (QAbstractButton* button : box->buttons()) {
                last_.buttons << button->text().remove(QLatin1Char('&'));
            }
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                ok->click();
                return;
            }
        }
        modal->close();
    }

    QTimer timer_;
    int count_ = 0;
    SeenMessageBox last_;
};
