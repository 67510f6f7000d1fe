// Answers each modal window as soon as it shows, noting a message box as "title: text" and any other
// window by its name, so that tests of code that opens them can run on unattended.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>

class ModalCloser {
public:
    ModalCloser()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (modal == nullptr || !modal->isVisible() || modal == answering_) {
                return;
            }
            auto* box = qobject_cast<QMessageBox*>(modal);
            // A message is shown as plain text (a file name in it must not be taken for markup), in the font
            // of the window it speaks for.
            const bool plain = box != nullptr && box->textFormat() == Qt::PlainText &&
                               (box->parentWidget() == nullptr || box->font() == box->parentWidget()->window()->font());
            opened << (plain ? box->windowTitle() + QStringLiteral(": ") + box->text() : modal->objectName());
            if (whileOpen) {
                answering_ = modal;  // whileOpen may wait, and this timer fire meanwhile
                whileOpen(modal);
                answering_ = nullptr;
            }
            if (modal->isVisible()) {
                box ? box->button(QMessageBox::Ok)->click() : modal->accept();
            }
        });
        timer_.start(10);
    }
    QStringList opened;
    // Runs with each window before it is answered: what a test does beneath it or to it.
    std::function<void(QDialog* modal)> whileOpen;

private:
    QTimer timer_;
    QDialog* answering_ = nullptr;
};
