#!/usr/bin/env bash
# The version check in the background: the maker's site cannot be reached (it
# lies under the reserved .invalid domain and nothing outside loopback answers
# here), so once the window is open the failure warning appears. Answering it
# ends the check; the program keeps running and its window takes typing.
source "$(dirname "$0")/lib.sh"

make_game
start_klangor
wait_window Warning >/dev/null
warning=$(inspect Warning)
echo "$warning"

expected_text='Le logiciel ne peut vérifier automatiquement si il s'"'"'agit de la dernière version de celui-ci.\r'
expected_text+='Pour pouvoir vérifier si il s'"'"'agit bien de la dernière version, le logiciel a besoin de se connecter à internet.\r'
expected_text+='Vous devez impérativement utiliser la dernière version du logiciel de dépannage.\r'
expected_text+='Comme la vérification de version n'"'"'a pas pu être effectuée, le résultat de l'"'"'analyse n'"'"'est peut être pas fiable.'
grep -qxF "$expected_text" < <(grep -P '^control\tStatic\t' <<<"$warning" | cut -f6) ||
    fail "no warning text with its four lines"
echo "ok: warning text"
ok_button=$(grep -P '^control\tButton\t[^\t]*\t[^\t]*\tvisible\tOK$' <<<"$warning") || fail "no OK button"
echo "ok: OK button"

# The window was built and filled before the check reported.
expect_eq "list count behind the warning" "count	12" "$(inspect | grep -P '^count\t')"

read -r left top width height < <(cut -f4 <<<"$ok_button")
click $((left + width / 2)) $((top + height / 2)) Warning
wait_gone Warning || fail "the warning did not close"
echo "ok: warning closed"

# The path field, Edit2, still takes typing once the check is over.
path_field=$(inspect | grep -P "^control\tEdit\t[^\t]*\t[^\t]*\tvisible\t\Q$game_root\E$") || fail "no path field"
read -r left top width height < <(cut -f4 <<<"$path_field")
click $((left + width / 2)) $((top + height / 2))
key ctrl+a
type_text 'D:\typed after the check'
expect_eq "path field after typing" 'D:\typed after the check' \
    "$(inspect | grep -P "^control\tEdit\t[^\t]*\t8 21 " | cut -f6)"
kill -0 "$klangor_pid" || fail "Klangor ended"
echo "ok: still running"

stop_klangor
