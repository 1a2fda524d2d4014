# Extracts the texts of the sources afresh and checks the catalogue against them:
# every msgid translated (msgcmp), nothing fuzzy or untranslated (msgfmt
# --statistics), the placeholders of every translation the same as its msgid's
# (msgfmt --check).
set(pot ${WORK}/catalogue_coverage.pot)
execute_process(COMMAND ${XGETTEXT} ${XGETTEXT_OPTIONS} -o ${pot} ${SOURCES}
    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "xgettext failed: ${errors}")
endif()
execute_process(COMMAND ${MSGCMP} ${CATALOGUE} ${pot} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "texts without a translation:\n${errors}")
endif()
execute_process(COMMAND ${MSGFMT} --check --statistics -o /dev/null ${CATALOGUE}
    RESULT_VARIABLE status ERROR_VARIABLE report)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "msgfmt refuses the catalogue:\n${report}")
endif()
if(report MATCHES "fuzzy|untranslated" OR NOT report MATCHES "[0-9]+ translated message")
    message(FATAL_ERROR "the catalogue is incomplete: ${report}")
endif()
message(STATUS "${report}")
