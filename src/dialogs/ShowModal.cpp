#include "dialogs/ShowModal.h"

#include <QDialog>

namespace tandrel {

namespace {

ModalHand& Hand()
{
    static ModalHand hand;
    return hand;
}

} // namespace

int ShowModal(QDialog& dlg)
{
    // A copy: the hand may open windows of its own, and set another hand meanwhile.
    const ModalHand hand = Hand();
    return hand ? hand(dlg) : dlg.exec();
}

ModalHand SetModalHand(ModalHand hand)
{
    std::swap(Hand(), hand);
    return hand;
}

} // namespace tandrel
