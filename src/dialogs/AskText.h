#pragma once
// The one-line prompt: a question, a text box and OK / Cancel.
#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace tandrel {

// Why an answer cannot be taken, "" when it can: the prompt then says why and stays open.
using AnswerCheck = std::function<std::string(const std::string& answer)>;

class AskTextDialog : public QDialog {
    Q_OBJECT
public:
    AskTextDialog(QWidget* parent, const std::string& prompt, const std::string& title, const std::string& defaultText,
                  int maxLength, AnswerCheck check = {});
    std::string Result() const { return result_; }

    QLabel* lblMessage;
    QLineEdit* txtInput;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    QString prompt_;
    std::string result_;
    AnswerCheck check_;
};

// The answer typed, "" after Cancel or Escape, the default after the close box.
std::string AskText(QWidget* parent, const std::string& prompt, const std::string& title,
                    const std::string& defaultText, int maxLength, AnswerCheck check = {});

} // namespace tandrel
