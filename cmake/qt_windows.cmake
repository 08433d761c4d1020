# Qt for the Windows cross build. MARUNDA_QT_WINDOWS names either an installed Qt prefix for
# mingw-w64 or a folder holding such a prefix packed as qt6*-mingw-prefix.tar.xz, which is
# unpacked once into the build folder. The host's own Qt of the same version supplies moc, rcc
# and uic. The programs find the Qt DLLs, the mingw runtime and the plugins beside them in bin/,
# as on an installed machine.
set(MARUNDA_QT_WINDOWS ${PROJECT_SOURCE_DIR}/../shared/qt-mingw CACHE PATH
    "Qt for Windows (mingw-w64): an installed prefix or a folder with its prefix tarball")
set(QT_HOST_PATH /usr CACHE PATH "The host's Qt, for its build tools")

if(EXISTS ${MARUNDA_QT_WINDOWS}/lib/cmake/Qt6)
    set(qt_prefix ${MARUNDA_QT_WINDOWS})
else()
    file(GLOB qt_tarball ${MARUNDA_QT_WINDOWS}/qt6*-mingw-prefix.tar.xz)
    if(NOT qt_tarball)
        message(FATAL_ERROR "No Qt for Windows in MARUNDA_QT_WINDOWS=${MARUNDA_QT_WINDOWS}")
    endif()
    list(GET qt_tarball 0 qt_tarball)
    set(qt_root ${CMAKE_BINARY_DIR}/qt)
    set(qt_prefix ${qt_root}/prefix)
    # Unpacked again only when the tarball changes.
    file(SHA256 ${qt_tarball} qt_hash)
    set(qt_stamp ${qt_root}/unpacked-${qt_hash})
    if(NOT EXISTS ${qt_stamp})
        message(STATUS "Unpacking ${qt_tarball}")
        file(REMOVE_RECURSE ${qt_root})
        file(ARCHIVE_EXTRACT INPUT ${qt_tarball} DESTINATION ${qt_root})
        file(TOUCH ${qt_stamp})
    endif()
endif()

# What Qt's own toolchain file would add: the toolchain confines packages to its find roots.
list(PREPEND CMAKE_FIND_ROOT_PATH ${qt_prefix})
list(PREPEND CMAKE_PREFIX_PATH ${qt_prefix}/lib/cmake)

# What a Windows machine lacks to run the programs: the Qt libraries, the runtime Qt needs (our
# own code links it statically) and the plugins, each in its folder; gathered and stripped once
# into qt-runtime/, then laid beside the programs and onto the installation medium.
# MARUNDA_QT_RUNTIME_FILES, relative to that folder, is also what Kur installs.
set(MARUNDA_QT_RUNTIME_DIR ${CMAKE_BINARY_DIR}/qt-runtime)
set(runtime_libraries Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6Network.dll libstdc++-6.dll
    libgcc_s_seh-1.dll libwinpthread-1.dll)
set(runtime_plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll tls/qschannelbackend.dll
    imageformats/qico.dll imageformats/qjpeg.dll imageformats/qgif.dll)
set(MARUNDA_QT_RUNTIME_FILES ${runtime_libraries} ${runtime_plugins})
set(runtime_stamp ${CMAKE_BINARY_DIR}/qt-runtime.from)
set(runtime_source "${qt_prefix} ${qt_hash} ${MARUNDA_QT_RUNTIME_FILES}")
set(gathered_from "")
if(EXISTS ${runtime_stamp})
    file(READ ${runtime_stamp} gathered_from)
endif()
if(NOT gathered_from STREQUAL runtime_source)
    file(REMOVE_RECURSE ${MARUNDA_QT_RUNTIME_DIR})
    file(COPY ${qt_prefix}/bin/Qt6Core.dll ${qt_prefix}/bin/Qt6Gui.dll
         ${qt_prefix}/bin/Qt6Widgets.dll ${qt_prefix}/bin/Qt6Network.dll
         /usr/lib/gcc/${mingw_triplet}/12-posix/libstdc++-6.dll
         /usr/lib/gcc/${mingw_triplet}/12-posix/libgcc_s_seh-1.dll
         /usr/${mingw_triplet}/lib/libwinpthread-1.dll
         DESTINATION ${MARUNDA_QT_RUNTIME_DIR})
    foreach(plugin ${runtime_plugins})
        get_filename_component(plugin_folder ${plugin} DIRECTORY)
        file(COPY ${qt_prefix}/plugins/${plugin}
             DESTINATION ${MARUNDA_QT_RUNTIME_DIR}/${plugin_folder})
    endforeach()
    file(GLOB_RECURSE runtime_files ${MARUNDA_QT_RUNTIME_DIR}/*.dll)
    execute_process(COMMAND ${mingw_triplet}-strip --strip-unneeded ${runtime_files}
                    COMMAND_ERROR_IS_FATAL ANY)
    file(WRITE ${runtime_stamp} ${runtime_source})
endif()
file(COPY ${MARUNDA_QT_RUNTIME_DIR}/ DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})

# The same runtime as a private assembly, for Kur: its copy in the Windows folder has no Qt beside
# it, so it names the assembly in its manifest and Windows looks for it in the folder Marunda.Qt
# beside the program. Only the libraries are named; Kur finds the plugins there by its qt.conf.
set(MARUNDA_QT_ASSEMBLY_DIR ${CMAKE_BINARY_DIR}/Marunda.Qt)
set(assembly_files "")
foreach(library ${runtime_libraries})
    string(APPEND assembly_files "  <file name=\"${library}\"/>\n")
endforeach()
file(CONFIGURE OUTPUT ${MARUNDA_QT_ASSEMBLY_DIR}/Marunda.Qt.manifest
     CONTENT [[<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <assemblyIdentity type="win32" name="Marunda.Qt" version="6.4.2.0" processorArchitecture="amd64"/>
${assembly_files}</assembly>
]])
file(COPY ${MARUNDA_QT_RUNTIME_DIR}/ DESTINATION ${MARUNDA_QT_ASSEMBLY_DIR})

# Only for the tests, which run in the build.
file(COPY ${qt_prefix}/bin/Qt6Test.dll DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
file(COPY ${qt_prefix}/plugins/platforms/qoffscreen.dll
     DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/platforms)

# Qt's offscreen platform on Windows reads fonts from one folder only (QT_QPA_FONTDIR): links to
# the host's fonts, Wine's Tahoma and MS Sans Serif among them, gathered in one.
set(MARUNDA_FONT_DIR ${CMAKE_BINARY_DIR}/fonts)
file(GLOB_RECURSE host_fonts /usr/share/fonts/*.ttf /usr/share/fonts/*.otf
     /usr/share/wine/fonts/*.ttf)
file(MAKE_DIRECTORY ${MARUNDA_FONT_DIR})
foreach(font ${host_fonts})
    get_filename_component(name ${font} NAME)
    if(NOT EXISTS ${MARUNDA_FONT_DIR}/${name})
        file(CREATE_LINK ${font} ${MARUNDA_FONT_DIR}/${name} SYMBOLIC)
    endif()
endforeach()
# Wine hands a Windows program QT_* variables only when they are named WINEQT_*.
set(MARUNDA_OFFSCREEN_ENVIRONMENT QT_QPA_PLATFORM=offscreen WINEQT_QPA_PLATFORM=offscreen
    WINEQT_QPA_FONTDIR=${MARUNDA_FONT_DIR})
