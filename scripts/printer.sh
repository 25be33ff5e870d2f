# Sourced by the scripts: starts a CUPS server with a CUPS-PDF queue named PDF and makes it the
# default printer of this shell and the programs it starts (LPDEST and PRINTER), so that printing
# tests have a real printer. The machine's own default printer is left as it is. The sheets land
# in $HOME/PDF.
cups_running() {
    lpstat -r 2>/dev/null | grep -q 'scheduler is running'
}

start_pdf_printer() {
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
    if ! cups_running; then
        "${sudo[@]}" /usr/sbin/cupsd
        for _ in $(seq 100); do cups_running && break; sleep 0.1; done
    fi
    if ! lpstat -v PDF >/dev/null 2>&1; then
        "${sudo[@]}" lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E \
            -o pdftops-renderer-default=pdftocairo
    fi
    "${sudo[@]}" cupsenable PDF
    "${sudo[@]}" cupsaccept PDF
    export LPDEST=PDF PRINTER=PDF
}
