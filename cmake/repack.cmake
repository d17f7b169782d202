# SPDX-License-Identifier: MIT
# Run by cpack once it has made the packages, to take out what cpack copies from the
# builder rather than from the sources. In the .deb, the modes of the three ar members
# follow the umask: they are set to 0644. The .tar.gz lists its files in the order the
# file system returns them, with the builder as their owner: it is made again with
# GNU tar, sorted by name, owned by root, with fixed modes and SOURCE_DATE_EPOCH's time.
set(work ${CPACK_PACKAGE_DIRECTORY}/_repack)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
foreach(package ${CPACK_PACKAGE_FILES})
  if(package MATCHES "[.]deb$")
    # An ar archive: an 8-byte magic, then per member a 60-byte header (the mode at 40,
    # 8 bytes; the size at 48, 10 bytes) and the data, padded to an even length.
    file(SIZE ${package} size)
    file(WRITE ${work}/mode "100644  ")
    set(at 8)
    while(at LESS size)
      file(READ ${package} header OFFSET ${at} LIMIT 60)
      string(SUBSTRING "${header}" 48 10 length)
      string(STRIP "${length}" length)
      math(EXPR mode_at "${at} + 40")
      execute_process(COMMAND dd of=${package} bs=1 seek=${mode_at} conv=notrunc status=none
                      INPUT_FILE ${work}/mode COMMAND_ERROR_IS_FATAL ANY)
      math(EXPR at "${at} + 60 + ${length} + ${length} % 2")
    endwhile()
  elseif(package MATCHES "[.]tar[.]gz$")
    execute_process(COMMAND tar -xzf ${package} -C ${work} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND tar --sort=name --owner=0 --group=0 --numeric-owner --mode=u=rwX,go=rX
                            --mtime=@$ENV{SOURCE_DATE_EPOCH} -cf - ${CPACK_PACKAGE_FILE_NAME}
                    COMMAND gzip -9n OUTPUT_FILE ${package} WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
file(REMOVE_RECURSE ${work})
