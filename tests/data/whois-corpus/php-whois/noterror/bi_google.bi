Domain Name: google.bi
Domain ID: 2633NIC-BI
WHOIS Server: whois1.nic.bi
Referral URL: 
Updated Date: 2017-09-06T16:10:28.681Z
Creation Date: 2002-09-29T22:00:00.0Z
Registry Expiry Date: 2018-09-29T22:00:00.0Z
Sponsoring Registrar: MarkMonito
Sponsoring Registrar IANA ID: 
Sponsoring Registrar Abuse Phone: +1.2083895740
Sponsoring Registrar Abuse Email: ccops@markmonitor.com
Domain Status: serverUpdateProhibited (Secured by CoCCA SuperLock)
Domain Status: serverTransferProhibited (Secured by CoCCA SuperLock)
Domain Status: serverDeleteProhibited (Secured by CoCCA SuperLock)
Domain Status: clientUpdateProhibited
Domain Status: clientTransferProhibited
Domain Status: clientDeleteProhibited
Registrant Name: DNS Admin
Registrant Organization: Google Inc.
Registrant Street: 1600 Amphitheatre Parkway
Registrant City: Mountain View
Registrant State/Province: CA
Registrant Postal Code: 94043
Registrant Country: US
Registrant Phone: +1.6506234000
Registrant Phone Ext: 
Registrant Email: dns-admin@google.com
Admin Name: DNS Admin
Admin Organization: Google Inc.
Admin Street: 1600 Amphitheatre Parkway
Admin City: Mountain View
Admin State/Province: CA
Admin Postal Code: 94043
Admin Country: US
Admin Phone: +1.6506234000
Admin Phone Ext: 
Admin Email: dns-admin@google.com
Billing Name: MM Domain Administrator
Billing Organization: MarkMonitor Inc
Billing Street: 391 N Ancestor Place
Billing City: Boise
Billing State/Province: Idaho
Billing Postal Code: 83704
Billing Country: US
Tech Name: DNS Admin
Tech Organization: Google Inc.
Tech Street: 1600 Amphitheatre Parkway
Tech City: Mountain View
Tech State/Province: CA
Tech Postal Code: 94043
Tech Country: US
Tech Phone: +1.6506234000
Tech Phone Ext: 
Tech Email: dns-admin@google.com
Name Server: ns1.google.com
Name Server: ns2.google.com
Name Server: ns3.google.com
Name Server: ns4.google.com
DNSSEC: unsigned
Additional Section
Redemption Expiry Date: 
Sponsoring Registrar Address: MarkMonitor Inc.  3540 East Longwing Lane  Suite 300  Meridian, Idaho 83646
Sponsoring Registrar Country: US
Sponsoring Registrar Admin Contact: 
Sponsoring Registrar Admin Email: ccops@markmonitor.com
>>> Last update of WHOIS database: 2017-11-18T03:58:43.535Z <<<

TERMS OF USE: You are not authorized to access or query our Whois database through the use of electronic processes that are high-volume and automated.  Whois database is provided by NIC.BI as a service to the internet community on behalf of Burundi cctld.)

The data is for information purposes only. NIC.BI does not guarantee its accuracy. By submitting a Whois query, you agree to abide by the following terms of use: You agree that you may use this Data only for lawful purposes and that under no circumstances will you use this Data to: (1) allow, enable, or otherwise support the transmission of mass unsolicited, commercial advertising or solicitations via e-mail, telephone, or facsimile; or (2) enable high volume, automated, electronic processes

The compilation, repackaging, dissemination or other use of this Data is expressly prohibited.
