# Writes the service worker: TEMPLATE with the files it keeps (FILES, relative to SITE) and a
# hash of their contents, so that every new build is a new worker with a cache of its own.
set(contents "")
set(LUMIVOR_WEB_FILES "'./'")
foreach(file IN LISTS FILES)
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND contents "${file} ${hash}\n")
  if(NOT file STREQUAL "index.html")
    string(APPEND LUMIVOR_WEB_FILES ", '${file}'")
  endif()
endforeach()
string(SHA256 LUMIVOR_WEB_FILES_HASH "${contents}")
string(SUBSTRING ${LUMIVOR_WEB_FILES_HASH} 0 16 LUMIVOR_WEB_FILES_HASH)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
