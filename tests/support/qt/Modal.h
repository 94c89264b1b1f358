#pragma once
// Answers the modal window that the next call opens, once its loop runs; a
// window the answer leaves open is rejected, so no test hangs in it.
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

namespace tandrel::testing {

template <class Form>
void WhenModal(const std::function<void(Form&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* frm = qobject_cast<Form*>(QApplication::activeModalWidget());
        ASSERT_NE(frm, nullptr);
        act(*frm);
        if (frm->isVisible()) frm->reject();
    });
}

} // namespace tandrel::testing
