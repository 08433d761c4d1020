# Helpers shared by the parts' CMakeLists.

# Gives `target` the include root through which its users see its headers as "<part>/x.h":
# a link in the build tree to the top folder of its part alone, so that a target can include
# only the headers of the parts it links.
function(marunda_headers target)
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    string(REGEX REPLACE "/.*" "" part "${relative}")
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
    add_library(${name} SHARED)
    target_link_libraries(${name} PUBLIC ${name}_objects)
    marunda_install(${name})
    add_library(${name}_static STATIC EXCLUDE_FROM_ALL)
    target_link_libraries(${name}_static PUBLIC ${name}_objects)
    # Made of objects alone: nothing for moc there.
    set_target_properties(${name} ${name}_static PROPERTIES AUTOMOC OFF)
endfunction()

# Links `target` to our shared `libraries`, in a self-contained program to their archives.
function(marunda_link_shared target scope)
    set(self_contained $<BOOL:$<TARGET_PROPERTY:MARUNDA_SELF_CONTAINED>>)
    foreach(library ${ARGN})
        target_link_libraries(${target} ${scope} $<IF:${self_contained},${library}_static,${library}>)
    endforeach()
endfunction()

# Makes `program` take our shared libraries' code from their archives wherever its libraries
# link them through marunda_link_shared.
function(marunda_self_contained program)
    set_target_properties(${program} PROPERTIES MARUNDA_SELF_CONTAINED ON)
endfunction()
