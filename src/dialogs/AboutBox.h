#pragma once
// The about box: the product, its version, who makes it, the licence and
// where to find help.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tandrel {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* owner = nullptr);

    QLabel* lblProdName;
    QLabel* lblVer;
    QLabel* lblCompName;
    QLabel* lblCopyRight;
    QLabel* lblEMail;
    QLabel* imgIcon;
    QPushButton* cmdOK;
};

// Shows the about box modally.
void ShowAbout(QWidget* owner);

} // namespace tandrel
