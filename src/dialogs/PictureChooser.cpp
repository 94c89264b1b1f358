#include "dialogs/PictureChooser.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/CenterForm.h"
#include "dialogs/DialogParts.h"
#include "dialogs/ShowModal.h"
#include "render/QtTable.h"

namespace tandrel {

namespace {

// The part of the picture that the sample shows, as the table shows it: its
// top left corner at full size, whatever the picture's shape (cheap for JPEG,
// bounded for all). Null, with why in problem, when it cannot be the table's picture.
QImage ReadPicture(const std::string& path, QSize sample, QString& problem)
{
    QImageReader reader(QFile::decodeName(path.c_str()));
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > PictureChooser::LargestPicture) {
        // The table would take seconds and hundreds of megabytes to read it.
        problem = PictureChooser::tr("it is too large (%1 x %2).").arg(size.width()).arg(size.height());
        return {};
    }
    if (size.isValid()) reader.setClipRect(QRect(QPoint(0, 0), size.boundedTo(sample)));
    const QImage picture = reader.read();
    if (picture.isNull()) problem = PictureChooser::tr("it is not a picture this program can read.");
    return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

PictureChooser::PictureChooser(QWidget* parent, const std::vector<SearchFolder>& folders) : QDialog(parent)
{
    setObjectName("frmBMP");
    setWindowTitle(tr("Background Picture"));

    auto* lblPictures = new QLabel(tr("&Pictures"), this);
    lstFiles = new QListWidget(this);
    lstFiles->setObjectName("lstFiles");
    lblPictures->setBuddy(lstFiles);
    NameForReaders(*lstFiles, lblPictures->text());
    auto* lblSample = new QLabel(tr("Sample"), this);
    picSample = new QLabel(this);
    NameForReaders(*picSample, tr("The chosen picture as the table will show it"));
    picSample->setObjectName("picSample");
    picSample->setFixedSize(SampleWidth, SampleHeight);
    SunkenFrame(*picSample);
    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setWordWrap(true);
    lblMessage->setFixedWidth(SampleWidth);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblPictures, 0, 0);
    grid->addWidget(lstFiles, 1, 0, 2, 1);
    grid->addWidget(lblSample, 0, 1);
    grid->addWidget(picSample, 1, 1);
    grid->addWidget(lblMessage, 2, 1, Qt::AlignTop);
    grid->addWidget(OkCancelBox(this, cmdOK, cmdCancel), 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    lstFiles->setMinimumWidth(220);
    setTabOrder(lstFiles, cmdOK);

    sample_ = QImage(SampleWidth, SampleHeight, QImage::Format_RGB32);
    sample_.fill(palette().color(QPalette::Window));
    picSample->setPixmap(QPixmap::fromImage(sample_));

    connect(lstFiles, &QListWidget::currentRowChanged, this, &PictureChooser::lstFiles_Click);
    connect(lstFiles, &QListWidget::itemDoubleClicked, this, &PictureChooser::cmdOK_Click);
    connect(cmdOK, &QPushButton::clicked, this, &PictureChooser::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    lstFiles2 = FillFileList(*lstFiles, folders, PictureExtensions());
    cmdOK->setEnabled(false);
    if (lstFiles->count() > 0) lstFiles->setCurrentRow(0);
    lstFiles->setFocus();
    adjustSize();
    CenterForm(*this);
}

void PictureChooser::lstFiles_Click()
{
    const int row = lstFiles->currentRow();
    if (row < 0) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString problem;
    const QImage picture = ReadPicture(lstFiles2[row], sample_.size(), problem);
    QApplication::restoreOverrideCursor();
    loaded_ = !picture.isNull();
    // A picture that cannot be read cannot be the table's either: the sample
    // stays as it was and OK waits for one that can.
    cmdOK->setEnabled(loaded_);
    if (!loaded_) {
        lblMessage->setText(tr("%1 cannot be shown: %2").arg(lstFiles->item(row)->text(), problem));
        return;
    }
    lblMessage->clear();
    QtTable::TileBackground(picture, sample_);
    picSample->setPixmap(QPixmap::fromImage(sample_));
}

void PictureChooser::cmdOK_Click()
{
    const int row = lstFiles->currentRow();
    if (row < 0 || !loaded_) return;
    answer_ = lstFiles2[row];
    accept();
}

std::string ChooseBackgroundPicture(QWidget* parent, const std::vector<SearchFolder>& folders)
{
    PictureChooser frm(parent, folders);
    ShowModal(frm);
    return frm.Answer();
}

} // namespace tandrel
