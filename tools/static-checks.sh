#!/usr/bin/env bash
# clang-tidy (.clang-tidy) and cppcheck over the program's own code; any
# finding fails. usage: tools/static-checks.sh BUILD_DIR (with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

echo "-- cppcheck"
cppcheck --quiet --enable=warning,performance,portability --library=qt --std=c++20 \
    --inline-suppr --error-exitcode=1 --suppress=missingIncludeSystem -I src src

echo "-- clang-tidy"
find src -name '*.cpp' -print0 |
    xargs -0 -P "$(nproc)" -n 2 clang-tidy -p "$build" --quiet 2>/dev/null

# Every text a person sees goes through tr() (or translate(), QT_TRANSLATE_NOOP):
# outside them, a string literal that reads as words ("Print Results"), or any
# literal with letters handed straight to a caption, title or message, is a
# text left untranslated. A name that stays as it is (a font family, the
# application's name) carries "// not translated" on its line.
echo "-- texts marked for translation"
find src -name '*.cpp' -o -name '*.h' | sort | xargs perl -0777 -ne '
    my $file = $ARGV;
    s{^.*// not translated.*$}{}mg;
    # Comments go; a literal or a character is read whole, so that neither
    # a quote in a comment nor a "//" in a literal misleads.
    s{("(?:[^"\\\n]|\\.)*")|(\x27(?:[^\x27\\\n]|\\.)*\x27)|//[^\n]*|/\*.*?\*/}{$1 // $2 // ""}gse;
    s{#include[^\n]*}{}g;
    s{\b(?:tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP3?)\s*\((?:\s*"(?:[^"\\]|\\.)*"\s*,?)+}{}g;
    my $setter = qr{(?:set(?:Text|WindowTitle|Title|AccessibleName|AccessibleDescription|ToolTip|StatusTip|WhatsThis|InformativeText|DetailedText|PlaceholderText|LabelText)|addAction|addMenu|new\s+Q(?:PushButton|ToolButton|RadioButton|CheckBox|Label|GroupBox|Action|Menu))\s*\(\s*(?:QStringLiteral\(|QLatin1String(?:View)?\(|QString::from\w+\(|u)?};
    while (/($setter)?"((?:[^"\\]|\\.)*)"/g) {
        my ($given, $text) = ($1, $2);
        if ($text =~ /[[:alpha:]]{2,}[,.:;!?]?\s+[[:alpha:]]{2,}/ || ($given && $text =~ /[[:alpha:]]{2}/)) {
            print "$file: \"$text\" is not marked for translation\n";
            $bad = 1;
        }
    }
    END { exit($bad ? 1 : 0) }
'
