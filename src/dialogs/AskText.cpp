#include "dialogs/AskText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/CenterForm.h"
#include "dialogs/DialogParts.h"
#include "dialogs/ShowModal.h"

namespace tandrel {

AskTextDialog::AskTextDialog(QWidget* parent, const std::string& prompt, const std::string& title,
                             const std::string& defaultText, int maxLength, AnswerCheck check)
    : QDialog(parent), prompt_(QString::fromStdString(prompt)), result_(defaultText), check_(std::move(check))
{
    setObjectName("frmInput");
    setWindowTitle(QString::fromStdString(title));
    lblMessage = new QLabel(prompt_, this);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setWordWrap(true);
    txtInput = new QLineEdit(this);
    txtInput->setObjectName("txtInput");
    txtInput->setMaxLength(maxLength);
    txtInput->setText(QString::fromStdString(defaultText));
    txtInput->selectAll();
    lblMessage->setBuddy(txtInput);

    QPushButton *ok, *cancel;
    auto* buttons = OkCancelBox(this, ok, cancel);
    connect(ok, &QPushButton::clicked, this, &AskTextDialog::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &AskTextDialog::cmdCancel_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage);
    layout->addWidget(txtInput);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(320);
    adjustSize();
    CenterForm(*this);
}

void AskTextDialog::keyPressEvent(QKeyEvent* e)
{
    // Escape cancels; the close box alone keeps the default.
    if (e->key() == Qt::Key_Escape) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void AskTextDialog::cmdOK_Click()
{
    const std::string answer = txtInput->text().toStdString();
    if (check_) {
        if (const std::string why = check_(answer); !why.empty()) {
            lblMessage->setText(QString::fromStdString(why) + "\n" + prompt_);
            txtInput->selectAll();
            txtInput->setFocus();
            return;
        }
    }
    result_ = answer;
    accept();
}

void AskTextDialog::cmdCancel_Click()
{
    result_.clear();
    reject();
}

std::string AskText(QWidget* parent, const std::string& prompt, const std::string& title,
                    const std::string& defaultText, int maxLength, AnswerCheck check)
{
    AskTextDialog dlg(parent, prompt, title, defaultText, maxLength, std::move(check));
    ShowModal(dlg);
    return dlg.Result();
}

} // namespace tandrel
