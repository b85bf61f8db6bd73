# Sourced by the install and package checks: installing into a scratch
# folder rewrites the build's install_manifest.txt, which must go on naming
# what the user's own `cmake --install` put in place (the README's uninstall
# route reads it). `keep_manifest BUILD` saves it; `restore_manifest` puts it
# back as it was, or removes it if there was none.
keep_manifest() {
    manifest=$1/install_manifest.txt
    saved_manifest=$(mktemp)
    had_manifest=0
    if [[ -f $manifest ]]; then
        cp "$manifest" "$saved_manifest"
        had_manifest=1
    fi
}

restore_manifest() {
    if ((had_manifest)); then
        cp "$saved_manifest" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -f "$saved_manifest"
}
