Domain Name: google.mu
Domain ID: 70557-CoCCA
WHOIS Server: 
Referral URL: 
Updated Date: 2017-11-17T10:28:23.165Z
Creation Date: 2000-12-20T13:00:00.000Z
Registry Expiry Date: 2018-12-19T13:00:00.000Z
Sponsoring Registrar: MarkMonitor
Sponsoring Registrar IANA ID: 
Domain Status: clientTransferProhibited
Domain Status: clientUpdateProhibited
Domain Status: ok
Domain Status: clientDeleteProhibited

Registrant Organization: Google Inc.
Registrant Street: 1600 Amphitheatre Parkway
Registrant City: Mountain View
Registrant State/Province: CA
Registrant Postal Code: 94043
Registrant Country: US
Registrant Phone: +1.6502530000
Registrant Phone Ext: 
Registrant Fax: +1.6506188571
Registrant Fax Ext: 
Registrant Email: dns-admin@google.com

Admin Organization: Google Inc.
Admin Street: 1600 Amphitheatre Parkway
Admin City: Mountain View
Admin State/Province: CA
Admin Postal Code: 94043
Admin Country: US
Admin Phone: +1.6502530000
Admin Phone Ext: 
Admin Fax: +1.6506188571
Admin Fax Ext: 
Admin Email: dns-admin@google.com



Name Server: ns1.google.com
Name Server: ns2.google.com
Name Server: ns3.google.com
Name Server: ns4.google.com

DNSSEC: unsigned

Additional Section

Sponsoring Registrar URL: http://www.markmonitor.com
Sponsoring Registrar Address: MarkMonitor Inc.  3540 East Longwing Lane  Suite 300  Meridian, Idaho 83646
Sponsoring Registrar Country: US
Sponsoring Registrar Phone: +1.2083895740
Sponsoring Registrar Fax: +1.2083895771
Sponsoring Registrar Customer Service Contact: ccops@markmonitor.com
Sponsoring Registrar Customer Service Email: ccops@markmonitor.com

TERMS OF USE: You are not authorized to access or query this WHOIS database through high-volume and automated electronic processes.

Domains up to 3 letters are premium domains and require a special registration process. Please contact your registrar for additional information.

Internet Direct Ltd makes every effort to maintain the completeness and accuracy of the WHOIS data, but cannot guarantee that the results are error-free. Therefore, any data provided through the WHOIS service are on an "as is" basis without any warranties. 

BY USING THE WHOIS SERVICE AND THE DATA CONTAINED HEREIN OR IN ANY REPORT GENERATED WITH RESPECT THERETO, IT IS ACCEPTED THAT INTERNET DIRECT LTD IS NOT LIABLE FOR ANY DAMAGES OF ANY KIND ARISING OUT OF, OR IN CONNECTION WITH, THE REPORT OR THE INFORMATION PROVIDED BY THE WHOIS SERVICE, NOR OMISSIONS OR MISSING INFORMATION. THE RESULTS OF ANY WHOIS REPORT OR INFORMATION PROVIDED BY THE WHOIS SERVICE CANNOT BE RELIED UPON IN CONTEMPLATION OF LEGAL PROCEEDINGS WITHOUT FURTHER VERIFICATION, NOR DO SUCH RESULTS CONSTITUTE A LEGAL OPINION. 

Acceptance of the results of the WHOIS constitutes acceptance of these terms, conditions and limitations. WHOIS data may be requested only for lawful purposes, in particular, to protect legal rights and obligations. Illegitimate uses of WHOIS data include, but are not limited to, unsolicited email, data mining, direct marketing or any other improper purpose. Any request made for WHOIS data will be documented by Internet Direct Ltd but will not be used for any commercial purpose whatsoever. NOTE: FAILURE TO LOCATE A RECORD IN THE WHOIS DATABASE IS NOT INDICATIVE OF THE AVAILABILITY OF A DOMAIN NAME.

? 1995-2015 Internet Direct Ltd, All rights reserved.

>>> Last update of WHOIS database: 2017-11-18T21:20:48.359Z <<<
