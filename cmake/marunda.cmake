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
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()

# Installs programs and shared libraries into one folder, as the installer lays them out.
function(marunda_install)
    install(TARGETS ${ARGN} RUNTIME DESTINATION . LIBRARY DESTINATION .)
endfunction()
