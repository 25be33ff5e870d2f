# Sourced by the scripts: starts a CUPS server with a PDF printer as the default queue, so that
# printing tests have a real printer. The sheets land in $HOME/PDF.
start_pdf_printer() {
    if ! lpstat -r >/dev/null 2>&1; then
        local sudo=()
        if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
        "${sudo[@]}" /usr/sbin/cupsd
        for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
    fi
    if ! lpstat -v PDF >/dev/null 2>&1; then
        local sudo=()
        if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
        "${sudo[@]}" lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E \
            -o pdftops-renderer-default=pdftocairo
        "${sudo[@]}" lpadmin -d PDF
        "${sudo[@]}" cupsenable PDF
        "${sudo[@]}" cupsaccept PDF
    fi
}
