#pragma once
// What the dialogs share besides their own controls: a row of standard buttons
// and the frame sunk around a picture.
#include <QDialogButtonBox>

class QFrame;
class QPushButton;

namespace tandrel {

// A standard button box that lays its buttons out alike on every desktop, so
// each dialog keeps its own layout and Tab order.
QDialogButtonBox* ButtonBox(QWidget* parent, Qt::Orientation orientation = Qt::Horizontal);

// A button of the box, with the design's name as its object name.
QPushButton* AddButton(QDialogButtonBox& box, const char* caption, const char* name, QDialogButtonBox::ButtonRole role);

// "&OK", the default button, and "&Cancel" (cmdOK and cmdCancel) in a box of their own.
QDialogButtonBox* OkCancelBox(QWidget* parent, QPushButton*& ok, QPushButton*& cancel);

// The frame around a picture or a view, sunk into the window.
void SunkenFrame(QFrame& frame);

// What a screen reader calls a control: a caption without its access-key mark.
void NameForReaders(QWidget& control, const QString& caption);

} // namespace tandrel
