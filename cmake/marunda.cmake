# Helpers shared by the parts' CMakeLists.

# The top folder of the part being configured, by which its users name its headers ("<part>/x.h").
function(marunda_part variable)
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    string(REGEX REPLACE "/.*" "" part "${relative}")
    set(${variable} ${part} PARENT_SCOPE)
endfunction()

# Gives `target` the include root through which its users see its headers as "<part>/x.h":
# a link in the build tree to the top folder of its part alone, so that a target can include
# only the headers of the parts it links.
function(marunda_headers target)
    marunda_part(part)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    if(NOT EXISTS ${root}/${part})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${part} ${root}/${part} SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
    else()
        target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
    endif()
endfunction()

# `program` gets the operating system's services that its libraries name through
# marunda_platform_interface from `implementation` instead of marunda_platform (see platform/).
function(marunda_use_platform program implementation)
    set_target_properties(${program} PROPERTIES MARUNDA_PLATFORM ${implementation})
endfunction()

# Installs programs and shared libraries into one folder, as the installer lays them out.
function(marunda_install)
    install(TARGETS ${ARGN} RUNTIME DESTINATION . LIBRARY DESTINATION .)
endfunction()

include(GenerateExportHeader)

# Our shared libraries are built from object libraries, `<name>_objects`, compiled once: the
# shared library `<name>` is made of them, and so is the archive `<name>_static`, for a program
# that has to run with none of our shared libraries beside it (the uninstaller's copy in the
# Windows folder), from which it takes only the objects it needs. The libraries that such a
# program links name ours through marunda_link_shared, and the program says that it is one with
# marunda_self_contained.
function(marunda_shared_library name)
    add_library(${name}_objects OBJECT ${ARGN})
    # The same objects go into a shared library and into a program.
    set_target_properties(${name}_objects PROPERTIES POSITION_INDEPENDENT_CODE ON)
    marunda_headers(${name}_objects)
    marunda_export_header(${name})
    add_library(${name} SHARED)
    target_link_libraries(${name} PUBLIC ${name}_objects)
    marunda_install(${name})
    add_library(${name}_static STATIC EXCLUDE_FROM_ALL)
    target_link_libraries(${name}_static PUBLIC ${name}_objects)
    string(TOUPPER ${name} base)
    target_compile_definitions(${name}_static INTERFACE ${base}_STATIC_DEFINE)
    # Made of objects alone: nothing for moc there.
    set_target_properties(${name} ${name}_static PROPERTIES AUTOMOC OFF)
endfunction()

# `<part>/export.h` of the shared library `name`: `<NAME>_EXPORT` marks what its users may call;
# everything else stays inside the library.
function(marunda_export_header name)
    marunda_part(part)
    string(TOUPPER ${name} base)
    set(root ${CMAKE_BINARY_DIR}/exports/${name})
    generate_export_header(${name}_objects BASE_NAME ${base}
                           EXPORT_FILE_NAME ${root}/${part}/export.h)
    target_include_directories(${name}_objects PUBLIC $<BUILD_INTERFACE:${root}>)
    # Object libraries get no <target>_EXPORTS of their own.
    target_compile_definitions(${name}_objects PRIVATE ${name}_objects_EXPORTS)
    set_target_properties(${name}_objects PROPERTIES CXX_VISIBILITY_PRESET hidden
                          VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# Links `target` to our shared `libraries`, in a self-contained program to their archives.
# Compiled once for both, `target` names their code without dllimport on Windows: the linker
# cannot resolve an import against code in the same program. Plain calls reach a DLL all the
# same; only a class whose signals are connected to needs the import (see the README).
function(marunda_link_shared target scope)
    set(self_contained $<BOOL:$<TARGET_PROPERTY:MARUNDA_SELF_CONTAINED>>)
    foreach(library ${ARGN})
        target_link_libraries(${target} ${scope} $<IF:${self_contained},${library}_static,${library}>)
        get_target_property(type ${target} TYPE)
        if(WIN32 AND NOT type STREQUAL "INTERFACE_LIBRARY")
            string(TOUPPER ${library} base)
            target_compile_definitions(${target} PRIVATE ${base}_STATIC_DEFINE)
        endif()
    endforeach()
endfunction()

# Makes `program` take our shared libraries' code from their archives wherever its libraries
# link them through marunda_link_shared.
function(marunda_self_contained program)
    set_target_properties(${program} PROPERTIES MARUNDA_SELF_CONTAINED ON)
endfunction()
