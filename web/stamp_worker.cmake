# Writes DIR/sw.js from TEMPLATE: the files FILES of DIR that it keeps, and a
# stamp of their contents that names the kept set. FILES is separated by commas.
string(REPLACE "," ";" FILES "${FILES}")
set(hashes "")
foreach(file IN LISTS FILES)
    file(SHA256 ${DIR}/${file} hash)
    string(APPEND hashes ${hash})
endforeach()
string(SHA256 stamp "${hashes}")
string(SUBSTRING ${stamp} 0 16 TAVREL_STAMP)
list(JOIN FILES "', '" TAVREL_KEPT_FILES)
configure_file(${TEMPLATE} ${DIR}/sw.js @ONLY)
