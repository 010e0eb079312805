#pragma once
// Keys typed ahead of a prompt.
//
// A prompt answers only to keys pressed after it appeared. Keys the user
// pressed before (typed ahead, still waiting in the window system's queue
// while a handler worked) are held while the prompt is open and go, in the
// order typed, to whatever has the focus once the prompt has closed and the
// handler that opened it is done. Each key event carries the time it was
// pressed; a key without a time (0) is taken as pressed now.

namespace platform {

// Lives for as long as one prompt is open. Prompts may nest.
class PromptKeyGuard {
public:
    PromptKeyGuard();
    ~PromptKeyGuard();
    PromptKeyGuard(const PromptKeyGuard&) = delete;
    PromptKeyGuard& operator=(const PromptKeyGuard&) = delete;
};

// Keys held back and not delivered yet.
int HeldKeyCount();

// Now, on the clock the window system stamps its key events with.
unsigned long InputClockNow();

}  // namespace platform
