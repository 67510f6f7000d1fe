// The four windows set up from their stored designs, for the layout tests.
#pragma once

#include "frm_board1_form.h"
#include "frm_help_form.h"
#include "frm_splash_form.h"
#include "frm_win_form.h"

#include <QDialog>
#include <QMainWindow>
#include <QString>
#include <QWidget>

struct AllForms {
    QDialog splash;
    QMainWindow board;
    QDialog help;
    QDialog win;
    Ui::frm_splash splashUi;
    Ui::frm_board1 boardUi;
    Ui::frm_help helpUi;
    Ui::frm_win winUi;

    AllForms()
    {
        splashUi.setupUi(&splash);
        boardUi.setupUi(&board);
        helpUi.setupUi(&help);
        winUi.setupUi(&win);
    }

    // A window by its design name, e.g. "frm_board1"; null for any other name.
    QWidget* form(const QString& name)
    {
        for (QWidget* window : {static_cast<QWidget*>(&splash), static_cast<QWidget*>(&board),
                                static_cast<QWidget*>(&help), static_cast<QWidget*>(&win)}) {
            if (window->objectName() == name) {
                return window;
            }
        }
        return nullptr;
    }

    // A control of a window by name, searched through the whole window.
    template <typename T = QWidget>
    T* control(const QString& formName, const QString& controlName)
    {
        QWidget* window = form(formName);
        return window ? window->findChild<T*>(controlName) : nullptr;
    }
};
