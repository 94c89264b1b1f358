#include "engine/HeadlessView.h"

namespace tandrel {

TableView& NoScreen()
{
    thread_local HeadlessView none = [] {
        HeadlessView v;
        v.record = false;
        return v;
    }();
    return none;
}

} // namespace tandrel
