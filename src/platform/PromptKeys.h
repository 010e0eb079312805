#pragma once
// Keys typed ahead of a prompt.
//
// A prompt answers only to keys the user pressed once he could have seen
// it: it counts as seen when it is painted and holds the keyboard focus,
// and a key pressed within the reaction interval after that, or within
// that interval of the key pressed before it (the user is still typing),
// was typed ahead. Such keys, keys the prompt has no use for and keys
// aimed at a window the prompt blocks are held while it is open, and go,
// in the order typed and each release with its press, to whatever has the
// focus once the prompt has closed and the handler that opened it is done.
// Keys typed meanwhile queue behind them. Each key event carries the time
// it was pressed; a key without a time (0) is taken as pressed now. The
// mouse is never held.

namespace platform {

// A key pressed less than this long after a prompt was seen, or after the
// key pressed before it, was typed ahead (milliseconds).
constexpr unsigned long ReactionInterval = 400;

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

// True once the innermost open prompt is painted and has the keyboard
// focus: from then on (and the reaction interval later) a key answers it.
bool PromptSeen();

// Now, on the clock the window system stamps its key events with.
unsigned long InputClockNow();

}  // namespace platform
