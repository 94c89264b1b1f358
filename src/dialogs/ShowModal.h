#pragma once
// Every window of the game opens modally through ShowModal, so that a test can
// take the player's place without a nested event loop.
#include <functional>

class QDialog;

namespace tandrel {

using ModalHand = std::function<int(QDialog&)>;

// Shows the window modally and returns its result (QDialog::Accepted or Rejected).
int ShowModal(QDialog& dlg);

// Who answers the windows from now on: the returned previous hand; empty: the player.
ModalHand SetModalHand(ModalHand hand);

} // namespace tandrel
