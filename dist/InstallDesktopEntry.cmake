# Run by cmake --install: writes the desktop entry with the program's installed path
# and installs it, so it is in the install manifest like every other file.
set(program "${CMAKE_INSTALL_PREFIX}/${QUORVEL_INSTALL_BINDIR}/quorvel")
if(program MATCHES "^[-A-Za-z0-9_./+@]+$")
  set(exec "${program}")
else()
  # Quoted as the entry's Exec key asks: \ " ` $ escaped inside the quotes, then every
  # backslash doubled for the value's own escapes, and % doubled for the field codes.
  string(REPLACE "\\" "\\\\" exec "${program}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "%" "%%" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
set(entry "${QUORVEL_ENTRY_FOLDER}/${QUORVEL_APP_ID}.desktop")
configure_file("${QUORVEL_ENTRY_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${QUORVEL_INSTALL_DATADIR}/applications"
     TYPE FILE FILES "${entry}")
