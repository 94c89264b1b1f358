#include "dialogs/frmFirst.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "dialogs/CenterForm.h"
#include "dialogs/ShowModal.h"

namespace tandrel {

namespace {

constexpr int ViewWidth = 380;
constexpr int ViewHeight = 170;

constexpr const char* RulesPlay =
    "The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on "
    "your opponent's hand as you would a foundation or tableau. Second, when playing on your opponent's hand you "
    "can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. "
    "Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the "
    "rules see the help file.";
constexpr const char* RulesMouse =
    "Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and "
    "drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or "
    "stack of cards to automatically play the cards.";

} // namespace

frmFirst::frmFirst(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmFirst");
    setWindowTitle("The Rules");

    Picture1 = new QFrame(this);
    Picture1->setObjectName("Picture1");
    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->setFixedSize(ViewWidth, ViewHeight);
    Picture2 = new QWidget(Picture1);
    Picture2->setObjectName("Picture2");

    Label1[0] = new QLabel("A Quick Look At The Rules", Picture2);
    QFont bold = Label1[0]->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    Label1[0]->setFont(bold);
    // A blank line between the paragraphs.
    Label1[1] = new QLabel(QString(RulesPlay) + "\n\n" + RulesMouse, Picture2);
    Label1[1]->setWordWrap(true);
    for (int i = 0; i < 2; ++i) Label1[i]->setObjectName(QString("Label1_%1").arg(i));
    auto* text = new QVBoxLayout(Picture2);
    text->addWidget(Label1[0]);
    text->addWidget(Label1[1]);

    const int inner = Picture1->contentsRect().width();
    Picture2->setFixedWidth(inner);
    Picture2->setFixedHeight(text->totalHeightForWidth(inner));

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setFixedHeight(ViewHeight);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmFirst::VScroll1_Change);

    Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* view = new QHBoxLayout;
    view->setSpacing(0);
    view->addWidget(Picture1);
    view->addWidget(VScroll1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addStretch();
    auto* all = new QVBoxLayout(this);
    all->addLayout(view);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);

    // The bar only works when the text does not fit; a page is a tenth of the way.
    const QRect vp = Picture1->contentsRect();
    Picture2->move(vp.left(), vp.top());
    VScroll1->setValue(0);
    const int d = vp.height() - Picture2->height();
    VScroll1->setEnabled(d < 1);
    VScroll1->setRange(0, d < 1 ? -d : 0);
    VScroll1->setPageStep(std::max(1, VScroll1->maximum() / 10));
    VScroll1->setSingleStep(std::max(1, fontMetrics().height()));

    adjustSize();
    CenterForm(*this);
}

void frmFirst::VScroll1_Change(int value)
{
    Picture2->move(Picture1->contentsRect().left(), Picture1->contentsRect().top() - value);
}

void frmFirst::wheelEvent(QWheelEvent* e)
{
    if (VScroll1->isEnabled()) QCoreApplication::sendEvent(VScroll1, e);
}

void ShowRules(QWidget* owner)
{
    frmFirst frm(owner);
    ShowModal(frm);
}

} // namespace tandrel
