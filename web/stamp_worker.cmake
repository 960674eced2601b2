# Writes DIR/sw.js from TEMPLATE: the files FILES of DIR that it keeps, and a
# stamp of their contents that names the kept set. FILES is separated by commas.
# First each stylesheet index.html links gets its contents' hash in its
# address: Firefox reuses a sheet it holds in memory by its address, past the
# service worker, so that a new build would show with the old one's look.
string(REPLACE "," ";" FILES "${FILES}")
file(READ ${DIR}/index.html page)
foreach(file IN LISTS FILES)
    if(file MATCHES "[.]css$")
        file(SHA256 ${DIR}/${file} contents)
        string(SUBSTRING ${contents} 0 16 contents)
        string(REGEX REPLACE "rel=\"stylesheet\" href=\"${file}[?]?[0-9a-f]*\""
                             "rel=\"stylesheet\" href=\"${file}?${contents}\"" page "${page}")
    endif()
endforeach()
file(WRITE ${DIR}/index.html "${page}")
set(hashes "")
foreach(file IN LISTS FILES)
    file(SHA256 ${DIR}/${file} hash)
    string(APPEND hashes ${hash})
endforeach()
string(SHA256 stamp "${hashes}")
string(SUBSTRING ${stamp} 0 16 TAVREL_STAMP)
list(JOIN FILES "', '" TAVREL_KEPT_FILES)
configure_file(${TEMPLATE} ${DIR}/sw.js @ONLY)
