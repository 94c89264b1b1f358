#include "dialogs/DialogParts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>

namespace tandrel {

namespace {

// The application's style, but for two hints a desktop may change: GNOME puts
// Cancel before OK, and X desktops keep room for icons our buttons do not have
// (two pixels more height).
class ButtonRowStyle : public QProxyStyle {
public:
    ButtonRowStyle() : QProxyStyle(QApplication::style()->name()) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override
    {
        if (hint == SH_DialogButtonLayout) return QDialogButtonBox::WinLayout;
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return false;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

QStyle* ButtonStyle()
{
    static QPointer<QStyle> style; // goes with the application
    if (!style) {
        style = new ButtonRowStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

QDialogButtonBox* ButtonBox(QWidget* parent, Qt::Orientation orientation)
{
    auto* box = new QDialogButtonBox(orientation, parent);
    box->setStyle(ButtonStyle());
    return box;
}

QPushButton* AddButton(QDialogButtonBox& box, const char* caption, const char* name, QDialogButtonBox::ButtonRole role)
{
    QPushButton* button = box.addButton(QCoreApplication::translate("Buttons", caption), role);
    button->setObjectName(name);
    button->setStyle(box.style()); // a button asks its own style how much room it takes
    return button;
}

QDialogButtonBox* OkCancelBox(QWidget* parent, QPushButton*& ok, QPushButton*& cancel)
{
    QDialogButtonBox* box = ButtonBox(parent);
    ok = AddButton(*box, QT_TRANSLATE_NOOP("Buttons", "&OK"), "cmdOK", QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    cancel = AddButton(*box, QT_TRANSLATE_NOOP("Buttons", "&Cancel"), "cmdCancel", QDialogButtonBox::RejectRole);
    return box;
}

void SunkenFrame(QFrame& frame)
{
    frame.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void NameForReaders(QWidget& control, const QString& caption)
{
    QString name;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i; // "&&" is an ampersand
        name += caption[i];
    }
    control.setAccessibleName(name);
}

} // namespace tandrel
