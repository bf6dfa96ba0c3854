Domain Name: google.com.sl
Updated Date: 2017-08-30T07:54:24.965Z
Creation Date: 2008-09-15T21:00:00.0Z
Registry Expiry Date: 2018-09-15T21:00:00.0Z
Sponsoring Registrar: nicsl
Domain Status: ok
Registrant Name: Dns  Admin
Registrant Organization: Google Inc.
Registrant Street: 1600 Amphitheatre Parkway
Registrant City: Mountain View
Registrant State/Province: Ca
Registrant Postal Code: 94043
Registrant Country: US
Registrant Phone: +1.6502530000
Registrant Phone Ext: 
Registrant Email: dns-admin@google.com
Admin Name: Ccops Domains
Admin Organization: Markmonitor Inc.
Admin Street: 3540 East Longwing Lane, Suite 300
Admin City: Meridian
Admin State/Province: Id
Admin Postal Code: 83646
Admin Country: US
Admin Phone: +1.2083895740
Admin Phone Ext: 
Admin Email: ccops@markmonitor.com
Billing Name: Ccops Domains
Billing Organization: Markmonitor Inc.
Billing Street: 3540 East Longwing Lane, Suite 300
Billing City: Meridian
Billing State/Province: Id
Billing Postal Code: 83646
Billing Country: US
Billing Phone: +1.2083895740
Billing Phone Ext: 
Billing Email: ccops@markmonitor.com
Tech Name: Dns  Admin
Tech Organization: Google Inc.
Tech Street: 1600 Amphitheatre Parkway
Tech City: Mountain View
Tech State/Province: Ca
Tech Postal Code: 94043
Tech Country: US
Tech Phone: +1.6502530000
Tech Phone Ext: 
Tech Email: dns-admin@google.com
Name Server: ns1.google.com
Name Server: ns2.google.com
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
