#pragma once

#include <array>
#include <span>

// What has been entered, newest on top, so that entries can be taken back. Entry 0 is a
// permanent -1 that serves as the entry before the first event; an end marker is -1 too.
class HistoryStack {
public:
    static constexpr int kCapacity = 998;  // events after the sentinel
    static constexpr int kEndMarker = -1;

    int Top() const { return top_; }
    bool IsEmpty() const { return top_ == 0; }
    bool IsFull() const { return top_ == kCapacity; }
    int Newest() const { return entries_[Index(top_)]; }
    // Asked only with an entry to take back.
    int BelowNewest() const { return top_ > 0 ? entries_[Index(top_ - 1)] : kEndMarker; }  // GCOVR_EXCL_BR_LINE
    // The entered events, oldest first, without the sentinel.
    std::span<const int> Entries() const { return std::span(entries_).subspan(1, Index(top_)); }

    // Callers check IsFull / IsEmpty first; the stack never grows past its capacity.
    void Push(int entry);
    void Pop();
    void Clear() { top_ = 0; }

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }

    std::array<int, kCapacity + 1> entries_{kEndMarker};
    int top_ = 0;
};
