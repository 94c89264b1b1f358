#pragma once
// Every window of the game opens in the middle of the screen it is on.
class QWidget;

namespace tandrel {

void CenterForm(QWidget& frm);

} // namespace tandrel
