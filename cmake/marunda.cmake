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

# Makes `<target>_static`: the same sources built into a static library whose links to our own
# libraries go to their static copies too, for a program that has to run with none of our
# shared libraries beside it (the uninstaller's copy in the Windows folder).
function(marunda_static_variant target)
    set(variant ${target}_static)
    if(TARGET ${variant})
        return()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    list(TRANSFORM sources PREPEND ${source_dir}/ REGEX "^[^/$]")
    add_library(${variant} STATIC ${sources})
    set_target_properties(${variant} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    foreach(property INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES COMPILE_DEFINITIONS
                     COMPILE_OPTIONS AUTOMOC AUTOUIC AUTORCC)
        get_target_property(value ${target} ${property})
        if(value)
            set_property(TARGET ${variant} PROPERTY ${property} "${value}")
        endif()
    endforeach()
    get_target_property(links ${target} LINK_LIBRARIES)
    set(mapped)
    foreach(link IN LISTS links)
        set(type "")
        if(link MATCHES "^marunda_" AND TARGET ${link})
            get_target_property(type ${link} TYPE)
        endif()
        # An interface (the platform's) names no code of its own to copy.
        if(type MATCHES "^(STATIC|SHARED)_LIBRARY$")
            marunda_static_variant(${link})
            list(APPEND mapped ${link}_static)
        elseif(link)
            list(APPEND mapped ${link})
        endif()
    endforeach()
    target_link_libraries(${variant} PUBLIC ${mapped})
endfunction()
