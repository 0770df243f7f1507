#include "core/history_stack.h"

void HistoryStack::Push(int entry)
{
    if (IsFull())  // GCOVR_EXCL_BR_LINE: callers check IsFull first
        return;
    entries_[Index(++top_)] = entry;
}

void HistoryStack::Pop()
{
    if (!IsEmpty())  // GCOVR_EXCL_BR_LINE: callers check IsEmpty first
        --top_;
}
