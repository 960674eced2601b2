# Writes the page from its template with the main window drawn in it, and
# the window's stylesheet beside it, as the prerender program prints them.
foreach(part html css)
    execute_process(COMMAND ${NODE} ${PRERENDER} ${part} OUTPUT_VARIABLE ${part}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(WRITE ${DIR}/form1.css "${css}\n")
set(TAVREL_MAIN_WINDOW "${html}")
configure_file(${TEMPLATE} ${DIR}/index.html @ONLY)
