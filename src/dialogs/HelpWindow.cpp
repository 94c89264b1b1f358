#include "dialogs/HelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "dialogs/CenterForm.h"
#include "dialogs/DialogParts.h"
#include "engine/Game.h"
#include "engine/RegularFile.h"

namespace tandrel {

namespace {

// Pages, pictures and the stylesheet are read as regular files only: a FIFO or
// a device in the handbook's folder reads as missing instead of hanging the window.
class HandbookBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override
    {
        if (!name.isLocalFile()) return QTextBrowser::loadResource(type, name);
        std::string bytes;
        if (ReadRegularFile(QFile::encodeName(name.toLocalFile()).toStdString(), bytes) != FileRead::Read)
            return {};
        return QByteArray::fromStdString(bytes);
    }
};

// The contents page in the language spoken, where the handbook has it: a folder
// of its own ("de", "pt_BR"), else the English pages themselves.
QString ContentsPage(const QString& folder)
{
    const QString name = QLocale().name();
    for (const QString& language : {name, name.section('_', 0, 0)})
        if (const QFileInfo page(folder + "/" + language + "/index.html"); !language.isEmpty() && page.isFile())
            return page.absoluteFilePath();
    return QFileInfo(folder + "/index.html").absoluteFilePath();
}

} // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* owner) : QDialog(owner)
{
    setObjectName("frmHelp");
    setWindowTitle(tr("%1 Handbook").arg(QString::fromUtf8(ProgramTitle)));
    contents_ = ContentsPage(folder);

    txtHelp = new HandbookBrowser(this);
    NameForReaders(*txtHelp, windowTitle());
    txtHelp->setObjectName("txtHelp");
    txtHelp->setOpenExternalLinks(false); // offline: nothing leaves the program
    cmdBack = new QPushButton(tr("&Back"), this);
    cmdBack->setObjectName("cmdBack");
    cmdForward = new QPushButton(tr("&Forward"), this);
    cmdForward->setObjectName("cmdForward");
    cmdHome = new QPushButton(tr("&Home"), this);
    cmdHome->setObjectName("cmdHome");
    for (QPushButton* b : {cmdBack, cmdForward, cmdHome}) b->setAutoDefault(false);
    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);

    connect(cmdBack, &QPushButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, txtHelp, &QTextBrowser::forward);
    connect(cmdHome, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(txtHelp, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
    connect(txtHelp, &QTextBrowser::forwardAvailable, cmdForward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdForward);
    buttons->addWidget(cmdHome);
    buttons->addStretch();
    auto* all = new QVBoxLayout(this);
    all->addLayout(buttons);
    all->addWidget(txtHelp);
    resize(720, 560);
    CenterForm(*this);
}

bool HelpWindow::HandbookFound() const
{
    return QFileInfo(contents_).isFile();
}

void HelpWindow::ShowContents()
{
    if (!HandbookFound()) {
        txtHelp->clearHistory();
        txtHelp->setHtml(tr("<h2>The handbook is missing</h2><p>Tandrel reads its handbook from <b>%1</b>, and "
                            "that file is not there.</p><p>The handbook comes with the program's default files, "
                            "in their folder <tt>handbook</tt>: beside a program in its build folder (building "
                            "again puts it back), in <tt>share/tandrel</tt> for an installed one (installing "
                            "again puts it back). Meanwhile <b>Help, Quick look at the rules</b> gives the rules "
                            "in short.</p>")
                             .arg(contents_.toHtmlEscaped()));
        cmdHome->setEnabled(false);
        return;
    }
    cmdHome->setEnabled(true);
    const QUrl home = QUrl::fromLocalFile(contents_);
    if (txtHelp->source() == home) {
        txtHelp->verticalScrollBar()->setValue(0);
    } else {
        txtHelp->setSource(home);
    }
}

QString HandbookFolder(const std::string& defaultFilesFolder)
{
    return QFile::decodeName(defaultFilesFolder.c_str()) + "/handbook";
}

HelpWindow& ShowHelpTopics(QWidget& owner, const std::string& defaultFilesFolder)
{
    auto* frm = owner.findChild<HelpWindow*>("frmHelp", Qt::FindDirectChildrenOnly);
    if (!frm) frm = new HelpWindow(HandbookFolder(defaultFilesFolder), &owner);
    frm->ShowContents();
    frm->show();
    frm->raise();
    frm->activateWindow();
    return *frm;
}

} // namespace tandrel
