# Copies a program or library stripped, keeping its debug information beside the build with a
# debug link to it, so that a crash of the stripped copy can still be read.
#   cmake -DOBJCOPY=... -DINPUT=... -DOUTPUT=... -DDEBUG_DIR=... -P strip_copy.cmake
get_filename_component(name ${INPUT} NAME)
set(debug ${DEBUG_DIR}/${name}.debug)
file(MAKE_DIRECTORY ${DEBUG_DIR})
execute_process(COMMAND ${OBJCOPY} --only-keep-debug ${INPUT} ${debug} COMMAND_ERROR_IS_FATAL ANY)
# The link is made in the debug folder, where objcopy finds the file by its bare name.
execute_process(COMMAND ${OBJCOPY} --strip-unneeded --add-gnu-debuglink=${name}.debug ${INPUT}
                        ${OUTPUT}
                WORKING_DIRECTORY ${DEBUG_DIR} COMMAND_ERROR_IS_FATAL ANY)
