# Installation and packages: a Debian package for Linux, a ZIP for Windows. The version
# comes from project(); the release date below is the only other thing a release sets.
set(LOTTO_RELEASE_EPOCH 1796515200) # 2026-12-06, the date of this version
set(LOTTO_MAINTAINER "lotto developers <dev@lotto.invalid>")

find_program(SCDOC scdoc)
if(SCDOC)
    # Manual pages from their scdoc sources, dated by the release, not the build, and
    # compressed as Debian installs them: English in man/, Korean in man/ko/.
    foreach(page lotto.1 lotto-stats.1 ko/lotto.1 ko/lotto-stats.1)
        get_filename_component(folder man/${page} DIRECTORY)
        add_custom_command(OUTPUT man/${page} man/${page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${LOTTO_RELEASE_EPOCH}
                    sh -c "\"$0\" < \"$1\" > \"$2\"" ${SCDOC}
                    ${PROJECT_SOURCE_DIR}/docs/man/${page}.scd man/${page}
            COMMAND gzip -9nkf man/${page}
            DEPENDS docs/man/${page}.scd
            COMMENT "Writing the manual page ${page}"
            VERBATIM)
        if(page MATCHES "^ko/")
            list(APPEND lotto_korean_man_pages ${PROJECT_BINARY_DIR}/man/${page}.gz)
        else()
            list(APPEND lotto_man_pages ${PROJECT_BINARY_DIR}/man/${page}.gz)
        endif()
    endforeach()
    add_custom_target(man_pages ALL DEPENDS ${lotto_man_pages} ${lotto_korean_man_pages})
else()
    message(STATUS "scdoc not found: no manual pages (sudo apt-get install scdoc)")
endif()

if(WIN32)
    # Everything side by side in the ZIP's folder, where a user finds lotto.exe at once.
    install(TARGETS lotto lotto-stats RUNTIME DESTINATION .)
    install(FILES README.md README.ko.md LICENSE CHANGELOG.md data/draws.csv data/prizes.csv DESTINATION .)
    install(DIRECTORY docs/images DESTINATION docs)
    install(DIRECTORY docs/ DESTINATION docs FILES_MATCHING PATTERN "*.md" PATTERN "man" EXCLUDE)
else()
    include(GNUInstallDirs)
    install(TARGETS lotto lotto-stats RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES README.md README.ko.md CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
    install(FILES data/draws.csv data/prizes.csv DESTINATION ${CMAKE_INSTALL_DATADIR}/lotto)
    # README's pictures and pages beside it, so its links work where it is installed.
    install(DIRECTORY docs/images DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
    install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs FILES_MATCHING PATTERN "*.md"
            PATTERN "man" EXCLUDE)
    if(SCDOC)
        install(FILES ${lotto_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
        install(FILES ${lotto_korean_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/ko/man1)
    endif()

    # Debian's own files: the licence in its machine-readable form, and a changelog.
    file(READ LICENSE lotto_license_text)
    string(STRIP "${lotto_license_text}" lotto_license_text)
    string(REGEX REPLACE "\n\n" "\n.\n" lotto_license_text "${lotto_license_text}")
    string(REPLACE "\n" "\n " lotto_license_text " ${lotto_license_text}")
    configure_file(packaging/deb/copyright.in packaging/copyright @ONLY)
    set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
    set(ENV{SOURCE_DATE_EPOCH} ${LOTTO_RELEASE_EPOCH})
    string(TIMESTAMP lotto_changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
    set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")
    configure_file(packaging/deb/changelog.in packaging/changelog @ONLY)
    add_custom_command(OUTPUT packaging/changelog.gz
        COMMAND gzip -9nf -k packaging/changelog
        DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog)
    add_custom_target(debian_changelog ALL DEPENDS packaging/changelog.gz)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright
                  ${PROJECT_BINARY_DIR}/packaging/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_PACKAGE_NAME lotto)
set(CPACK_PACKAGE_VENDOR "lotto developers")
set(CPACK_PACKAGE_CONTACT "${LOTTO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "propose and score sets of numbers for the 6/45 lottery")
set(CPACK_PACKAGE_INSTALL_DIRECTORY lotto)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_SYSTEM_NAME win64)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # The libraries the binaries really link, with versions, from dpkg-shlibdeps.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # The synopsis is the summary above; this is the extended description.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "lotto is an interactive console program for the Korean 6/45 lottery. On
request it proposes five sets of six numbers from 1 to 45 (never all odd,
never all even, never four in a row), scores every set on four criteria
(sum band, ball-colour spread, odd/even ratio and numbers that have not
come up lately), shows the sets in their ball colours with a total each,
and explains every score on a detail screen. Its texts are Korean.
.
lotto-stats reports the exact distribution of every criterion and of the
total over all 8,145,060 possible sets.")
endif()
include(CPack)
