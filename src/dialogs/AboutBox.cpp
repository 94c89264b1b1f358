#include "dialogs/AboutBox.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/CenterForm.h"
#include "dialogs/DialogParts.h"
#include "dialogs/ShowModal.h"
#include "engine/Game.h"
#include "render/CardArt.h"

namespace tandrel {

namespace {

constexpr const char* MakerLine = QT_TRANSLATE_NOOP("tandrel::AboutBox", "Made by the Tandrel developers");
constexpr const char* CopyrightLine =
    QT_TRANSLATE_NOOP("tandrel::AboutBox", "Copyright \u00A9 2026 the Tandrel developers.\n"
                                           "Free software under the GNU General Public License,\n"
                                           "version 3 or (at your option) any later version.");
constexpr const char* SupportLine = QT_TRANSLATE_NOOP("tandrel::AboutBox", "Project page and support: %1");

// The ace of spades from the program's own card pictures; nothing when the
// pictures are missing.
QPixmap IconPicture()
{
    const CardArt art = LoadBuiltinArt();
    const auto cell = GetCardImage(40);
    if (!cell || art.sheets[cell->sheet].isNull()) return {};
    return QPixmap::fromImage(KeyedCopy(art.sheets[cell->sheet].copy(cell->x, cell->y, 71, 95)));
}

} // namespace

AboutBox::AboutBox(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmAbout");
    const QString product = QString::fromUtf8(ProgramTitle);
    setWindowTitle(tr("About %1").arg(product));

    imgIcon = new QLabel(this);
    imgIcon->setObjectName("imgIcon");
    imgIcon->setPixmap(IconPicture());
    imgIcon->setFixedSize(71, 95);

    lblProdName = new QLabel(product, this);
    lblProdName->setObjectName("lblProdName");
    QFont big("Times New Roman");
    big.setPointSize(20);
    big.setBold(true);
    lblProdName->setFont(big);
    lblVer = new QLabel(tr("Version %1.%2").arg(TANDREL_VERSION_MAJOR).arg(TANDREL_VERSION_MINOR), this);
    lblVer->setObjectName("lblVer");
    lblCompName = new QLabel(tr(MakerLine), this);
    lblCompName->setObjectName("lblCompName");
    lblCopyRight = new QLabel(tr(CopyrightLine), this);
    lblCopyRight->setObjectName("lblCopyRight");
    lblEMail = new QLabel(tr(SupportLine).arg(TANDREL_HOMEPAGE), this);
    lblEMail->setObjectName("lblEMail");
    lblEMail->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = ButtonBox(this);
    cmdOK = AddButton(*buttons, QT_TRANSLATE_NOOP("Buttons", "&OK"), "cmdOK", QDialogButtonBox::AcceptRole);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    for (QLabel* l : {lblProdName, lblVer, lblCompName, lblCopyRight, lblEMail}) texts->addWidget(l);
    auto* top = new QHBoxLayout;
    top->addWidget(imgIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addSpacing(8);
    all->addWidget(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CenterForm(*this);
}

void ShowAbout(QWidget* owner)
{
    AboutBox frm(owner);
    ShowModal(frm);
}

} // namespace tandrel
