# Sourced by the scripts: a CUPS-PDF queue of the tests' own, molvera-test-pdf, made the default
# printer of this shell and the programs it starts (LPDEST and PRINTER), so that printing tests
# have a real printer. The sheets land in PDF/ of the printing user's home folder.
#
# Every other queue, its state, whether it accepts jobs, and the machine's default printer are
# left exactly as they were. stop_test_printer removes the queue, and stops the CUPS server if
# start_test_printer started it; the callers run it on EXIT, so that a failing run cleans up too.
readonly MOLVERA_TEST_PRINTER=molvera-test-pdf
molvera_started_cupsd=

cups_running() {
    lpstat -r 2>/dev/null | grep -q 'scheduler is running'
}

as_admin() {
    if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi
}

start_test_printer() {
    if ! cups_running; then
        as_admin /usr/sbin/cupsd
        molvera_started_cupsd=1
        for _ in $(seq 100); do cups_running && break; sleep 0.1; done
    fi
    # A queue left behind by a run that was killed is replaced, whatever state it was left in.
    if lpstat -v "$MOLVERA_TEST_PRINTER" >/dev/null 2>&1; then
        as_admin lpadmin -x "$MOLVERA_TEST_PRINTER"
    fi
    # -E after -p enables the queue and lets it accept jobs.
    as_admin lpadmin -p "$MOLVERA_TEST_PRINTER" -v cups-pdf:/ \
        -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E -o pdftops-renderer-default=pdftocairo
    export LPDEST=$MOLVERA_TEST_PRINTER PRINTER=$MOLVERA_TEST_PRINTER
}

stop_test_printer() {
    if lpstat -v "$MOLVERA_TEST_PRINTER" >/dev/null 2>&1; then
        as_admin lpadmin -x "$MOLVERA_TEST_PRINTER" || true
    fi
    if [ -n "$molvera_started_cupsd" ]; then
        as_admin pkill -x cupsd || true
        for _ in $(seq 50); do pgrep -x cupsd >/dev/null || break; sleep 0.1; done
        molvera_started_cupsd=
    fi
}
