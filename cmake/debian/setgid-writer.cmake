# Run by CPack on the finished Debian package: the shared Halls' writer goes
# in as Debian Policy's section on games has it, root:games, mode 2755.
# CPack writes every file as root:root, so the package is opened and made
# again under fakeroot with that one file changed.
set(writer usr/lib/games/vorka/vorka-halls)
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    execute_process(
        COMMAND fakeroot sh -ec [[
            tree=$(mktemp -d)
            trap 'rm -rf "$tree"' EXIT
            dpkg-deb --raw-extract "$1" "$tree/p"
            chown root:games "$tree/p/$2"
            chmod 2755 "$tree/p/$2"
            dpkg-deb --build "$tree/p" "$1" >/dev/null
        ]] sh ${deb} ${writer}
        RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "Cannot make ${writer} set-group-id games in ${deb}: ${errors}")
    endif()
endforeach()
