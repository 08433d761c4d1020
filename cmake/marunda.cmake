# Helpers shared by the parts' CMakeLists.

# Gives `target` the include root through which its users see its headers as "<folder>/x.h":
# a link in the build tree to this part's folder alone, so that a target can include only the
# headers of the parts it links.
function(marunda_headers target)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    if(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()

# Installs programs and shared libraries into one folder, as the installer lays them out.
function(marunda_install)
    install(TARGETS ${ARGN} RUNTIME DESTINATION . LIBRARY DESTINATION .)
endfunction()
