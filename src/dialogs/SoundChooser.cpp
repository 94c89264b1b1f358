#include "dialogs/SoundChooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/CenterForm.h"
#include "dialogs/DialogParts.h"
#include "dialogs/ShowModal.h"
#include "sound/Mixer.h"

namespace tandrel {

SoundChooser::SoundChooser(QWidget* parent, Mixer& mixer, const std::vector<SearchFolder>& folders,
                           const std::string& current)
    : QDialog(parent), mixer_(mixer), answer_(current)
{
    setObjectName("frmFile");
    setWindowTitle(tr("Select WAV File"));

    lstFiles = new QListWidget(this);
    NameForReaders(*lstFiles, tr("Sounds"));
    lstFiles->setObjectName("lstFiles");
    lstFiles->setMinimumSize(260, 200);
    lblFileCount = new QLabel(this);
    lblFileCount->setObjectName("lblFileCount");
    auto* buttons = ButtonBox(this, Qt::Vertical);
    cmdTest = AddButton(*buttons, QT_TRANSLATE_NOOP("Buttons", "&Test"), "cmdTest", QDialogButtonBox::ActionRole);
    cmdTest->setDefault(true); // Enter in the list plays, as a double click does
    cmdAssign = AddButton(*buttons, QT_TRANSLATE_NOOP("Buttons", "&Assign"), "cmdAssign", QDialogButtonBox::AcceptRole);
    cmdClose = AddButton(*buttons, QT_TRANSLATE_NOOP("Buttons", "&Close"), "cmdClose", QDialogButtonBox::RejectRole);

    auto* row = new QHBoxLayout;
    row->addWidget(lstFiles);
    row->addWidget(buttons);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(lblFileCount);
    column->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(lstFiles, cmdTest);

    connect(lstFiles, &QListWidget::itemDoubleClicked, this, &SoundChooser::cmdTest_Click);
    connect(cmdTest, &QPushButton::clicked, this, &SoundChooser::cmdTest_Click);
    connect(cmdAssign, &QPushButton::clicked, this, &SoundChooser::cmdAssign_Click);
    // Close and Escape both leave the answer as the caller gave it.
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    lstFiles2 = FillFileList(*lstFiles, folders, SoundExtensions());
    lblFileCount->setText(tr("%n files found", nullptr, lstFiles->count()));
    const bool any = lstFiles->count() > 0;
    cmdTest->setEnabled(any);
    cmdAssign->setEnabled(any);
    if (any) lstFiles->setCurrentRow(0);
    lstFiles->setFocus();
    adjustSize();
    CenterForm(*this);
}

void SoundChooser::cmdTest_Click()
{
    const int row = lstFiles->currentRow();
    // Plays whether or not the player has sound effects on: the player asked to hear it.
    if (row >= 0) mixer_.PlaySoundFile(lstFiles2[row]);
}

void SoundChooser::cmdAssign_Click()
{
    const int row = lstFiles->currentRow();
    if (row < 0) return;
    answer_ = lstFiles2[row];
    accept();
}

std::string ChooseSoundFile(QWidget* parent, Mixer& mixer, const std::vector<SearchFolder>& folders,
                            const std::string& current)
{
    SoundChooser frm(parent, mixer, folders, current);
    ShowModal(frm);
    return frm.Answer();
}

} // namespace tandrel
