#include "core/history_stack.h"

void HistoryStack::Push(int entry)
{
    if (IsFull())
        return;
    entries_[Index(++top_)] = entry;
}

void HistoryStack::Pop()
{
    if (!IsEmpty())
        --top_;
}
