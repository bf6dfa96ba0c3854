Domain Name: google.com.nf
Domain ID: 27007-CoCCA
WHOIS Server: whois.nic.nf
Referral URL: 
Updated Date: 2017-04-27T09:29:45.403Z
Creation Date: 2003-05-29T12:00:00.0Z
Registry Expiry Date: 2018-05-29T12:00:00.0Z
Sponsoring Registrar: MarkMonitor
Sponsoring Registrar IANA ID: 
Sponsoring Registrar Abuse Phone: +1.2083895740
Sponsoring Registrar Abuse Email: ccops@markmonitor.com
Domain Status: serverUpdateProhibited (Secured by CoCCA SuperLock)
Domain Status: serverTransferProhibited (Secured by CoCCA SuperLock)
Domain Status: serverDeleteProhibited (Secured by CoCCA SuperLock)
Domain Status: clientUpdateProhibited
Domain Status: clientTransferProhibited
Domain Status: clientDeleteProhibited
Name Server: ns1.google.com
Name Server: ns2.google.com
Name Server: ns3.google.com
Name Server: ns4.google.com
DNSSEC: unsigned
Additional Section
Redemption Expiry Date: 
Sponsoring Registrar URL: http://www.markmonitor.com
Sponsoring Registrar Address: MarkMonitor Inc.  3540 East Longwing Lane  Suite 300  Meridian, Idaho 83646
Sponsoring Registrar Country: US
Sponsoring Registrar Phone: +1.2083895740
Sponsoring Registrar Fax: +1.2083895771
Sponsoring Registrar Customer Service Contact: ccops@markmonitor.com
Sponsoring Registrar Customer Service Email: ccops@markmonitor.com
>>> Last update of WHOIS database: 2017-11-18T21:16:56.66Z <<<

TERMS OF USE: You are not authorized to access or query our Whois database through the use of electronic processes that are high-volume and automated.  Whois database is provided by CoCCA as a service to the internet community on behalf of CoCCA members. 

The data is for information purposes only. CoCCA does not guarantee its accuracy. By submitting a Whois query, you agree to abide by the following terms of use: You agree that you may use this Data only for lawful purposes and that under no circumstances will you use this Data to: (1) allow, enable, or otherwise support the transmission of mass unsolicited, commercial advertising or solicitations via e-mail, telephone, or facsimile; or (2) enable high volume, automated, electronic processes that apply to CoCCA it's members (or CoCCA or member computer systems). The compilation, repackaging, dissemination or other use of this Data is expressly prohibited.

CoCCA Helpdesk |  support@coccaregistry.org
