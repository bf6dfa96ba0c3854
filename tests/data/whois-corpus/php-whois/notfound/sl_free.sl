Domain Name: free.sl
Domain Status: No Object Found
>>> Last update of WHOIS database: 2017-11-18T02:49:24.740Z <<<

------------------------------------------------------------------------------
 NOTICE AND TERMS OF USE:
 You are not authorized to access or query our WHOIS database through the use
 of high-volume, automated, electronic processes. The data in WHOIS database
 is provided by NIC.SL for information purposes only, and to assist persons
 in obtaining information about or related to a domain name registration
 record. NIC.SL does not guarantee its accuracy. By submitting a WHOIS query,
 you agree to abide by the following terms of use:
 You agree that you may use this data only for lawful purposes and that under
 no circumstances will you use this data to: (1) allow, enable, or otherwise
 support the transmission of mass unsolicited, commercial advertising or
 solicitations via e-mail, telephone, or facsimile; or (2) enable high volume,
 automated, electronic processes that apply to NIC.SL (or its computer
 systems). The compilation, repackaging, dissemination or other use of this
 data is expressly prohibited without the prior written consent of NIC.SL.
 You agree not to use high-volume, automated, electronic processes to access
 or query the WHOIS database. NIC.SL reserves the right to terminate your
 access to the WHOIS database in its sole discretion, including without
 limitation, for excessive querying of the WHOIS database or for failure to
 otherwise abide by this policy. NIC.SL reserves the right to modify these
 terms at any time.
 SIMPLE WORDS: Do not abuse this service or you'll get blocked.

------------------------------------------------------------------------------
