# The rules every target of hoverlet follows, and so does a tree that builds hoverlet with its own
# code (molvera includes this file): one place for the warnings, Qt's stricter conventions and the
# way lupdate writes catalogues.

# Warnings, and Qt's conventions: no `signals`/`slots` keywords, no connect() without a context
# object, no implicit conversions from char strings or of strings to URLs.
function(hoverlet_hygiene target)
    target_compile_options(${target} PRIVATE
        $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>)
    target_compile_definitions(${target} PRIVATE
        QT_NO_KEYWORDS
        QT_NO_CONTEXTLESS_CONNECT
        QT_NO_CAST_FROM_ASCII
        QT_NO_URL_CAST_FROM_STRING
        QT_USE_QSTRINGBUILDER)
endfunction()

# Catalogues without source locations: a change of code does not touch every catalogue, and two
# changes to the texts merge without conflicts over line numbers. Entries the code no longer has
# are dropped.
set(HOVERLET_LUPDATE_OPTIONS -locations none -no-obsolete)
