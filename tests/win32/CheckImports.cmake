# Fails unless PROGRAM imports only DLLs that ship with every Windows from 7 on, so the program
# runs with nothing installed beside it but our SkinH.dll (which it loads at run time).
# Usage: cmake -DOBJDUMP=... -DPROGRAM=... -P CheckImports.cmake
cmake_minimum_required(VERSION 3.25)
set(system_dlls ADVAPI32.DLL COMCTL32.DLL COMDLG32.DLL DNSAPI.DLL GDI32.DLL IPHLPAPI.DLL
                KERNEL32.DLL MSVCRT.DLL NORMALIZ.DLL OLE32.DLL SHELL32.DLL USER32.DLL WINHTTP.DLL
                WININET.DLL WS2_32.DLL)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump failed on ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(line ${lines})
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOUPPER "${dll}" upper)
  if(NOT upper IN_LIST system_dlls)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}, which Windows does not ship")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
