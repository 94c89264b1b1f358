#include "dialogs/RulesWindow.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "dialogs/CenterForm.h"
#include "dialogs/DialogParts.h"
#include "dialogs/ShowModal.h"

namespace tandrel {

namespace {

constexpr int ViewWidth = 380;
constexpr int ViewHeight = 170;

constexpr const char* RulesPlay = QT_TRANSLATE_NOOP(
    "tandrel::RulesWindow",
    "The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on "
    "your opponent's hand as you would a foundation or tableau. Second, when playing on your opponent's hand you "
    "can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. "
    "Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the "
    "rules see the help file.");
constexpr const char* RulesMouse = QT_TRANSLATE_NOOP(
    "tandrel::RulesWindow",
    "Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and "
    "drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or "
    "stack of cards to automatically play the cards.");

} // namespace

RulesWindow::RulesWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmFirst");
    setWindowTitle(tr("The Rules"));

    viewport = new QFrame(this);
    viewport->setObjectName("Picture1");
    SunkenFrame(*viewport);
    viewport->setFixedSize(ViewWidth, ViewHeight);
    page = new QWidget(viewport);
    page->setObjectName("Picture2");

    heading = new QLabel(tr("A Quick Look At The Rules"), page);
    heading->setObjectName("Label1_0");
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    // A blank line between the paragraphs.
    rules = new QLabel(tr(RulesPlay) + "\n\n" + tr(RulesMouse), page);
    rules->setObjectName("Label1_1");
    rules->setWordWrap(true);
    auto* text = new QVBoxLayout(page);
    text->addWidget(heading);
    text->addWidget(rules);

    const int inner = viewport->contentsRect().width();
    page->setFixedWidth(inner);
    page->setFixedHeight(text->totalHeightForWidth(inner));

    scrollBar = new QScrollBar(Qt::Vertical, this);
    scrollBar->setObjectName("VScroll1");
    scrollBar->setFixedHeight(ViewHeight);
    connect(scrollBar, &QScrollBar::valueChanged, this, &RulesWindow::ScrollTo);

    auto* buttons = ButtonBox(this);
    buttons->setCenterButtons(true);
    okButton = AddButton(*buttons, QT_TRANSLATE_NOOP("Buttons", "OK"), "Command1", QDialogButtonBox::AcceptRole);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* view = new QHBoxLayout;
    view->setSpacing(0);
    view->addWidget(viewport);
    view->addWidget(scrollBar);
    auto* all = new QVBoxLayout(this);
    all->addLayout(view);
    all->addWidget(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);

    // The bar only works when the text does not fit; a page is a tenth of the way.
    const QRect vp = viewport->contentsRect();
    page->move(vp.left(), vp.top());
    scrollBar->setValue(0);
    const int d = vp.height() - page->height();
    scrollBar->setEnabled(d < 1);
    scrollBar->setRange(0, d < 1 ? -d : 0);
    scrollBar->setPageStep(std::max(1, scrollBar->maximum() / 10));
    scrollBar->setSingleStep(std::max(1, fontMetrics().height()));

    adjustSize();
    CenterForm(*this);
}

void RulesWindow::ScrollTo(int value)
{
    page->move(viewport->contentsRect().left(), viewport->contentsRect().top() - value);
}

void RulesWindow::wheelEvent(QWheelEvent* e)
{
    if (scrollBar->isEnabled()) QCoreApplication::sendEvent(scrollBar, e);
}

void ShowRules(QWidget* owner)
{
    RulesWindow frm(owner);
    ShowModal(frm);
}

} // namespace tandrel
