// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/HoverTracker.h"

namespace tessaro {

bool HoverTracker::pointerMoved(bool overButton, bool leftButtonDown) {
    // A button pressed elsewhere never lights this one.
    if (leftButtonDown && !pointerOver())
        return false;
    switch (state_) {
    case State::Outside:
        return overButton ? moveTo(State::Lit) : false;
    case State::StaleLit:
        // The stale light either becomes a real one or goes out when the pointer is already elsewhere.
        return moveTo(overButton ? State::Lit : State::Outside);
    case State::Lit:
        if (overButton)
            return false;
        // Dragged out with the left button down: stay dark until the pointer leaves and comes back.
        return moveTo(leftButtonDown ? State::Held : State::Outside);
    case State::Held:
        return overButton ? false : moveTo(State::Outside);
    }
    return false;
}

bool HoverTracker::endHover() {
    switch (state_) {
    case State::Lit:
        return moveTo(State::Held);
    case State::StaleLit:
        return moveTo(State::Outside);
    case State::Outside:
    case State::Held:
        break;
    }
    return false;
}

bool HoverTracker::pressTrackingEnded() {
    switch (state_) {
    case State::Lit:
        return moveTo(State::StaleLit);
    case State::Held:
        return moveTo(State::Outside);
    case State::Outside:
    case State::StaleLit:
        break;
    }
    return false;
}

bool HoverTracker::moveTo(State next) {
    const bool wasOver = pointerOver();
    state_ = next;
    return pointerOver() != wasOver;
}

}  // namespace tessaro
