# A Windows program's icon (drawn by assets/) and version information, compiled by windres;
# further resource lines (Kur's manifest) may follow the description. Elsewhere nothing.
function(marunda_windows_resources target icon description)
    if(NOT WIN32)
        return()
    endif()
    set(icon_path ${CMAKE_BINARY_DIR}/assets/pictures/${icon})
    list(JOIN ARGN "\n" more)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc)
    file(CONFIGURE OUTPUT ${rc} @ONLY CONTENT [[#pragma code_page(65001)
1 ICON "@icon_path@"
1 VERSIONINFO
FILEVERSION 1,7,0,0
PRODUCTVERSION 1,7,0,0
FILEFLAGSMASK 0x3f
FILEFLAGS 0
FILEOS 0x40004
FILETYPE 1
FILESUBTYPE 0
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "041F04B0"
    BEGIN
      VALUE "FileDescription", "@description@"
      VALUE "FileVersion", "1.7"
      VALUE "InternalName", "@target@"
      VALUE "OriginalFilename", "@target@.exe"
      VALUE "ProductName", "Marunda"
      VALUE "ProductVersion", "1.7"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x041F, 1200
  END
END
@more@
]])
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${icon_path})
    add_dependencies(${target} marunda_icons)
endfunction()
