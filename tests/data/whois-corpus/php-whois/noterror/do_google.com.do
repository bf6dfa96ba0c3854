Domain Name: google.com.do
Domain ID: 44140-DO
WHOIS Server: whois.nic.do
Referral URL: 
Updated Date: 2017-08-31T22:39:25.95Z
Creation Date: 2003-04-11T04:00:00.0Z
Registry Expiry Date: 2018-04-11T04:00:00.0Z
Sponsoring Registrar: Registrar NIC .DO (midominio.do)
Domain Status: ok
Registrant Name: GOOGLE INC.
Registrant Organization: GOOGLE INC.
Admin Name: GOOGLE INC.
Admin Organization: GOOGLE INC.
Billing Name: MARKMONITOR
Billing Organization: MARKMONITOR
Tech Name: GOOGLE INC.
Tech Organization: GOOGLE INC.
Name Server: ns1.google.com
Name Server: ns2.google.com
DNSSEC: unsigned
Additional Section
Sponsoring Registrar Customer Service Contact: info@nic.do
Sponsoring Registrar Customer Service Email: info@nic.do
>>> Last update of WHOIS database: 2017-11-18T23:37:40.704Z <<<

TERMS OF USE: You are not authorized to access or query our WHOIS database through the use of electronic processes that are high-volume and automated.  This WHOIS database is provided by as a service to the internet community.

The data is for information purposes only. We do not guarantee its accuracy. By submitting a WHOIS query, you agree to abide by the following terms of use: You agree that you may use this Data only for lawful purposes and that under no circumstances will you use this Data to: (1) allow, enable, or otherwise support the transmission of mass unsolicited, commercial advertising or solicitations via e-mail, telephone, or facsimile; or (2) enable high volume, automated, electronic processes that apply to NIC.DO. The compilation, repackaging, dissemination or other use of this Data is expressly prohibited.
