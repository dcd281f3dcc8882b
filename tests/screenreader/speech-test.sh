#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind student hears: the real program under the Orca screen reader, driven with real key presses and mouse
# clicks through the X server, in German and in English. Each step checks what Orca said, from its debug log.
# Usage: speech-test.sh TESSARO [de|en ...]   (default: both languages). Needs orca, Xvfb, at-spi2-core, dbus and
# xdotool. Prints what Orca said at each step.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/orca-session.sh"

tessaro="$(realpath "$1")"
shift
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(de en)

# One step: a title, then the actions; say() then waits for what Orca must say.
step() {
    printf '\n== %s\n' "$1"
    shift
    mark_speech
    "$@"
}
say() {
    expect_speech "$@"
    spoken_since_mark | sed 's/^/   Orca: /'
}

keys() { xdotool key --delay 250 "$@"; }
typed() { xdotool type --delay 250 -- "$1"; }
# A click at a point of the focused window, in its own pixels.
click_at() {
    xdotool mousemove --window "$(xdotool getwindowfocus)" "$1" "$2"
    sleep 0.3
    xdotool click 1
}
# Without a window manager nobody gives the focus back to the window below a closed dialog; this does what one
# would do.
visible_window() { xdotool search --onlyvisible --name "$1" | head -n 1 | grep .; }
back_to() {
    keys Escape
    wait_for 10 visible_window "$1" >/dev/null || fail "no window '$1'"
    xdotool windowfocus --sync "$(visible_window "$1")"
}
# The place of a control in dialog units (x, y, width, height) in pixels, as the dialogs lay them out.
click_control() { click_at "$(((($1 * 2 + $3) * 3 + 2) / 4))" "$(((($2 * 2 + $4) * 13 + 8) / 16))"; }

# The last thing Orca said that matches the extended regular expression $1, as sed's \1 of $2 picks it out.
last_heard() { spoken_since_mark | sed -nE "s"$'\001'".*$1.*"$'\001'"$2"$'\001p' | tail -n 1; }

# A mode of the polar form chosen by the keyboard alone, a wrong answer and the right one typed from what Orca said:
# back on the main menu the focus is on the mode practised last, the one above, and Down moves to this one; $4 is the
# answer's shape, polar or cartesian.
practise_polar() {
    local lang=$1 radio=$2 title=$3 shape=$4
    step "[$lang] Down from the mode practised last: $radio" keys Down
    say "$radio.*radio button"
    step "[$lang] practise: $title" keys Return
    say "$title" "${t[task]}" "${t[polarhint]}"
    step "[$lang] a wrong answer" eval 'typed x; keys Return'
    if [ "$shape" = polar ]; then
        say "${t[polarwrong]}"
        local modulus angle
        modulus="$(last_heard "${t[polarwrong]}" '\1')"
        angle="$(last_heard "${t[polarwrong]}" '\2\3')"
        angle="${angle/minus /-}"
        step "[$lang] the correct modulus and angle, typed into their fields" \
            eval 'click_control 222 92 58 17; keys ctrl+a; typed "$modulus"; keys Tab ctrl+a; typed "$angle"; keys Return'
    else
        say "${t[cartesianwrong]}"
        local answer
        answer="$(last_heard "${t[cartesianwrong]}" '\1\2')"
        answer="${answer/minus /-}"
        step "[$lang] the correct x+jy, typed into its field" \
            eval 'click_control 222 92 120 17; keys ctrl+a; typed "$answer"; keys Return'
    fi
    say "${t[right]}" "${t[task]}"
    step "[$lang] back to the main menu" back_to "${t[main]}"
    say "Tessaro dialog"
}

play_language() {
    local lang=$1
    declare -A t
    if [ "$lang" = de ]; then
        t=([main]="^Tessaro$" [rulesWindow]="^Rechenregeln" [practise]="Üben push button" [addsubRadio]="Addition und Subtraktion komplexer Zahlen üben" [addsub]="Additions - / Subtraktions - Modus" [divide]="Divisions - Modus"
            [task]="Aufgabe:" [hint]="Hinweis: Eingabe muss in der Form x\+jy, bzw\. x-jy erfolgen, also ohne jegliche Leerzeichen oder Klammern\."
            [wrong]="Falsch: ([-0-9j+]+) ist richtig!" [right]="Richtig!!"
            [divhint]="Zähler" [over]="geteilt durch"
            [divwrong]="Falsch, richtig ist: Zähler: (-?[0-9]+) \+ j \((-?[0-9]+)\), Nenner: (-?[0-9]+)"
            [toPolarRadio]="In Polarform umrechnen" [toPolar]="Umrechnen in die Polarform"
            [toCartesianRadio]="In kartesische Form umrechnen" [toCartesian]="Umrechnen in die kartesische Form"
            [multiplyDivideRadio]="Multiplikation und Division in Polarform" [multiplyDivide]="Multiplikation und Division"
            [phasorsRadio]="Zeiger addieren" [phasors]="Zeiger addieren" [polarhint]="Taschenrechner erlaubt"
            [polarwrong]="Falsch: ([0-9,]+), Winkel (minus )?([0-9,]+) Grad"
            [cartesianwrong]="Falsch: (minus )?([0-9,]+[-+]j[0-9,]+) ist richtig!"
            [backToMain]="Zurück zum Hauptmenü" [view]="Ansehen! push button"
            [definition]="Definition und Darstellung einer komplexen Zahl" [page]="Eine komplexe Zahl ist die formale Summe"
            [exercise]="^Rechnen$" [solutionKey]=alt+l
            [solution]="Lösungsweg dialog.*Aufgabe:.*Rechnung:.*Ergebnis:.*Eingegeben:.*x")
        export LANGUAGE=de LANG=de_DE.UTF-8
    else
        t=([main]="^Tessaro$" [rulesWindow]="^Rules" [practise]="Practise push button" [addsubRadio]="Adding and subtracting" [addsub]="Addition / subtraction mode" [divide]="Division mode"
            [task]="[Tt]ask:" [hint]="Note: Enter the answer as x\+jy or x-jy, without any spaces or brackets\."
            [wrong]="Wrong\. Correct: ([-0-9j+]+)" [right]="Correct!"
            [divhint]="numerator" [over]="divided by"
            [divwrong]="Wrong\. Correct: numerator (-?[0-9]+) \+ j \((-?[0-9]+)\), denominator (-?[0-9]+)"
            [toPolarRadio]="Converting to polar form" [toPolar]="Converting to polar form"
            [toCartesianRadio]="Converting to Cartesian form" [toCartesian]="Converting to Cartesian form"
            [multiplyDivideRadio]="Multiplying and dividing in polar form" [multiplyDivide]="Multiplying and dividing"
            [phasorsRadio]="Adding phasors" [phasors]="Adding phasors" [polarhint]="A calculator is allowed"
            [polarwrong]="Wrong\. Correct: ([0-9.]+), angle (minus )?([0-9.]+) degrees"
            [cartesianwrong]="Wrong\. Correct: (minus )?([0-9]+(\.[0-9]+)?[-+]j[0-9]+(\.[0-9]+)?)"
            [backToMain]="Back to the main menu" [view]="View push button"
            [definition]="Definition and notation of a complex number" [page]="A complex number is the formal sum"
            [exercise]="^Arithmetic$" [solutionKey]=alt+w
            [solution]="Worked solution dialog.*Task:.*Calculation:.*Result:.*Your answer:.*x")
        export LANGUAGE=en LANG=en_US.UTF-8
    fi

    step "[$lang] the main menu opens" spawn "$tessaro" 2>>"$session_dir/noise.log"
    say "${t[practise]}"

    # A click gives a radio button the focus; Space checks it, should the click have come too early to.
    step "[$lang] choose addition and subtraction" eval 'click_control 45 87 171 10; keys space'
    say "${t[addsubRadio]}\..*radio button"
    step "[$lang] practise: the first exercise screen opens" keys Return
    say "${t[addsub]}" "${t[task]}" "${t[hint]}"

    step "[$lang] a wrong answer" eval 'typed x; keys Return'
    say "${t[wrong]}"
    local answer
    answer="$(last_heard "${t[wrong]}" '\1')"
    step "[$lang] the worked solution: its lines, read when it opens" keys "${t[solutionKey]}"
    say "${t[solution]}"
    step "[$lang] back from the worked solution" back_to "${t[exercise]}"
    step "[$lang] the correct answer, typed into the answer field" \
        eval 'click_control 230 92 102 17; keys ctrl+a; typed "$answer"; keys Return'
    say "${t[right]}" "${t[task]}"
    step "[$lang] Enter on an empty answer: wrong, the focus goes to the new-task button" keys Return
    say "${t[wrong]}"
    step "[$lang] Enter on the new-task button: a new task" keys Return
    say "${t[task]}"
    step "[$lang] Alt+N: a new task" keys alt+n
    say "${t[task]}"
    step "[$lang] back to the main menu" back_to "${t[main]}"
    say "Tessaro dialog"

    step "[$lang] choose division and practise: the second exercise screen opens" \
        eval 'click_control 45 149 58 10; keys space Return'
    say "${t[divide]}" "${t[task]}.*${t[over]}" "${t[divhint]}"
    step "[$lang] three empty fields are a wrong answer" keys Return
    say "${t[divwrong]}"
    local real imag denominator
    real="$(last_heard "${t[divwrong]}" '\1')"
    imag="$(last_heard "${t[divwrong]}" '\2')"
    denominator="$(last_heard "${t[divwrong]}" '\3')"
    step "[$lang] the correct fraction, typed into the three fields" \
        eval 'typed "$real"; keys Tab; typed "$denominator"; keys Tab; typed "$imag"; keys Return'
    say "${t[right]}" "${t[task]}.*${t[over]}"
    step "[$lang] Alt+N: a new task" keys alt+n
    say "${t[task]}.*${t[over]}"
    step "[$lang] back to the main menu" back_to "${t[main]}"
    say "Tessaro dialog"

    # The modes of the polar form, each chosen by the arrow key from the mode above it, practised last.
    practise_polar "$lang" "${t[toPolarRadio]}" "${t[toPolar]}" polar
    practise_polar "$lang" "${t[toCartesianRadio]}" "${t[toCartesian]}" cartesian
    practise_polar "$lang" "${t[multiplyDivideRadio]}" "${t[multiplyDivide]}" polar
    practise_polar "$lang" "${t[phasorsRadio]}" "${t[phasors]}" polar

    step "[$lang] the rules menu" click_control 193 26 66 25
    say "${t[backToMain]} push button"
    step "[$lang] Tab past the polar form and the history to the definition's button" keys Tab Tab Tab
    say "${t[view]}.*${t[definition]}"
    step "[$lang] open the page" keys Return
    say "${t[page]}"
    step "[$lang] close the page" back_to "${t[rulesWindow]}"
    say "${t[view]}"
    step "[$lang] back to the main menu" back_to "${t[main]}"
    say "Tessaro dialog"
    step "[$lang] quit" keys Escape
    wait_for 10 eval '! kill -0 "${session_pids[-1]}" 2>/dev/null' || fail "the program did not end"
}

start_session
for lang in "${languages[@]}"; do
    play_language "$lang"
done
echo
echo "PASS: Orca said what a student needs to hear (${languages[*]})"
