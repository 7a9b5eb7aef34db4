# SPDX-License-Identifier: GPL-3.0-or-later
# zelvar_strip_notes(INSTALLED): once stripped (by cpack, or
# `cmake --install --strip`), the installed binary INSTALLED (a path from the
# prefix, or an absolute one) also loses the notes the compiler leaves in
# .comment and .note, as Debian's own binaries do.
function(zelvar_strip_notes installed)
  if(IS_ABSOLUTE "${installed}")
    set(path "\$ENV{DESTDIR}${installed}")
  else()
    set(path "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${installed}")
  endif()
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND [[${CMAKE_OBJCOPY}]] --remove-section=.comment --remove-section=.note \"${path}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endfunction()
