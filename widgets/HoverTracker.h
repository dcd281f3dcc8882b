// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tessaro {

// The flat look's hover state. The states are named after a button that takes the pointer capture while lit;
// Qt's enter and leave events, and the moves a pressed button keeps receiving, stand in for that capture.
//   Outside   nothing lit, not tracking
//   Lit       the pointer is over the button: raised edge, hot colours
//   Held      unlit, but waiting for the pointer to leave before it may light again
//   StaleLit  still lit after the push button's own press tracking ended; the next move decides
// Every event returns whether pointerOver() changed, that is whether the button needs a repaint.
class HoverTracker {
public:
    enum class State { Outside, Lit, Held, StaleLit };

    bool pointerMoved(bool overButton, bool leftButtonDown);
    // Focus lost, window deactivated, button disabled.
    bool endHover();
    // The push button stopped tracking a press (left button released).
    bool pressTrackingEnded();
    void reset() { state_ = State::Outside; }

    State state() const { return state_; }
    bool pointerOver() const { return state_ == State::Lit || state_ == State::StaleLit; }

private:
    bool moveTo(State next);

    State state_ = State::Outside;
};

}  // namespace tessaro
