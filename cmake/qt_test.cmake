# Registers QtTest programs: for each of SOURCES, `<name>.cpp`, the program `<PROGRAM_PREFIX><name>`
# linking LINK and Qt Test (with INCLUDE among its include folders, built after DEPENDS), and the
# test `<TEST_PREFIX><name>` with PROPERTIES. A test runs the program itself, or through RUNNER
# (a command that takes the program as its last argument, such as the screen tests' on-screen),
# with ARGUMENTS.
function(marunda_add_qt_test)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "PROGRAM_PREFIX;TEST_PREFIX"
                          "SOURCES;LINK;INCLUDE;DEPENDS;RUNNER;ARGUMENTS;PROPERTIES")
    foreach(source ${arg_SOURCES})
        get_filename_component(name ${source} NAME_WE)
        set(program ${arg_PROGRAM_PREFIX}${name})
        qt_add_executable(${program} ${source})
        target_link_libraries(${program} PRIVATE ${arg_LINK} Qt6::Test)
        if(arg_INCLUDE)
            target_include_directories(${program} PRIVATE ${arg_INCLUDE})
        endif()
        if(arg_DEPENDS)
            add_dependencies(${program} ${arg_DEPENDS})
        endif()
        if(arg_RUNNER)
            set(command ${arg_RUNNER} $<TARGET_FILE:${program}>)
        else()
            set(command ${program})
        endif()
        list(APPEND command ${arg_ARGUMENTS})
        add_test(NAME ${arg_TEST_PREFIX}${name} COMMAND ${command})
        if(arg_PROPERTIES)
            set_tests_properties(${arg_TEST_PREFIX}${name} PROPERTIES ${arg_PROPERTIES})
        endif()
    endforeach()
endfunction()
