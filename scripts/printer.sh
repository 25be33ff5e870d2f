# Sourced by the scripts: starts a CUPS server with a PDF printer as the default queue, so that
# printing tests have a real printer. The sheets land in $HOME/PDF.
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
    if ! lpstat -d 2>/dev/null | grep -q ': PDF$'; then
        "${sudo[@]}" lpadmin -d PDF
    fi
    "${sudo[@]}" cupsenable PDF
    "${sudo[@]}" cupsaccept PDF
}
