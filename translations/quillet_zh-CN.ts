<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Quillet</source>
        <translation>关于 Quillet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>A writing assistant for English.</source>
        <translation>英语写作助手。</translation>
    </message>
    <message>
        <source>Questions, ideas or trouble with a review? We would like to hear from you.</source>
        <translation>有疑问、建议，或在批改中遇到问题？欢迎告诉我们。</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AccessDlg</name>
    <message>
        <source>Sign up</source>
        <translation>注册</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>代理设置</translation>
    </message>
    <message>
        <source>email</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <source>password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>confirm password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>By clicking the button above, you agree to our &lt;a href=&quot;%1&quot;&gt;Terms of Service&lt;/a&gt;.</source>
        <translation>点击上方按钮即表示您同意我们的&lt;a href=&quot;%1&quot;&gt;服务条款&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>username/email</source>
        <translation>用户名/电子邮箱</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>记住我</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>忘记密码？</translation>
    </message>
    <message>
        <source>Incorrect username/password combination.</source>
        <translation>用户名或密码错误。</translation>
    </message>
    <message>
        <source>Request timed out. Please retry. You may need to diagnose your network connection if the problem lingers.</source>
        <translation>请求超时，请重试。如果问题仍然存在，请检查您的网络连接。</translation>
    </message>
    <message>
        <source>or</source>
        <translation>或</translation>
    </message>
    <message>
        <source>Log in with Facebook</source>
        <translation>使用 Facebook 登录</translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation>新浪微博</translation>
    </message>
    <message>
        <source>Signing up...</source>
        <translation>正在注册…</translation>
    </message>
    <message>
        <source>Invalid Email address.</source>
        <translation>电子邮箱地址无效。</translation>
    </message>
    <message>
        <source>Email address already taken.</source>
        <translation>该电子邮箱已被注册。</translation>
    </message>
    <message>
        <source>Connection error. Check out your network status and proxy setup, and try again.</source>
        <translation>连接出错。请检查网络状态和代理设置后重试。</translation>
    </message>
    <message>
        <source>Connection error. Please retry.</source>
        <translation>连接出错，请重试。</translation>
    </message>
    <message>
        <source>Your password contains invalid character(s). Please use ASCII characters only.</source>
        <translation>密码中含有无效字符。请只使用 ASCII 字符（英文字母、数字和符号）。</translation>
    </message>
    <message>
        <source>Password must be no more than 16 characters in length.</source>
        <translation>密码长度不能超过 16 个字符。</translation>
    </message>
    <message>
        <source>Password must be at least 6 characters in length.</source>
        <translation>密码长度至少为 6 个字符。</translation>
    </message>
    <message>
        <source>Passwords did not match. Please try again.</source>
        <translation>两次输入的密码不一致，请重新输入。</translation>
    </message>
</context>
<context>
    <name>AuthorizationWindow</name>
    <message>
        <source>Log in with Facebook</source>
        <translation>使用 Facebook 登录</translation>
    </message>
    <message>
        <source>Log in with Sina Weibo</source>
        <translation>使用新浪微博登录</translation>
    </message>
</context>
<context>
    <name>ClickableLabel</name>
    <message>
        <source>Suggestion for &quot;%1&quot;. Click to apply it.</source>
        <translation>“%1”的建议。单击即可应用。</translation>
    </message>
</context>
<context>
    <name>CorrectionItem</name>
    <message>
        <source>Insert: </source>
        <translation>插入：</translation>
    </message>
    <message>
        <source>Delete: </source>
        <translation>删除：</translation>
    </message>
</context>
<context>
    <name>CorrectionPanel</name>
    <message>
        <source>Request timed out. Please retry. You may need to diagnose your network connection if the problem lingers.</source>
        <translation>请求超时，请重试。如果问题仍然存在，请检查您的网络连接。</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动检测</translation>
    </message>
    <message>
        <source>Enrichments suggest better word choices to avoid overuse of simple words, repetition or ambiguity.</source>
        <translation>润色建议会推荐更好的用词，帮助您避免过多使用简单词汇、重复用词或表达含糊。</translation>
    </message>
    <message>
        <source>A word will be highlighted and flagged as &quot;Confused Words&quot; if Quillet thinks you meant some other word(s) that better fits in here (with higher probability).
Please note that there&apos;s a common possibility the word flagged as &quot;Confused Words&quot; is correct after all and is indeed what you want to say here.</source>
        <translation>如果 Quillet 认为此处您想用的很可能是另一个更合适的词，就会把该词标记为“易混词”。
请注意：被标记为“易混词”的词也常常本来就是正确的，正是您想表达的意思。</translation>
    </message>
    <message>
        <source>This option may contain profanity. Please use with caution.</source>
        <translation>此选项可能含有不雅用语，请谨慎使用。</translation>
    </message>
    <message>
        <source>&lt;body&gt;Loading...&lt;/body&gt;</source>
        <translation>&lt;body&gt;正在加载…&lt;/body&gt;</translation>
    </message>
</context>
<context>
    <name>CorrectionPanelClass</name>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Add to Glossary</source>
        <translation>加入个人词库</translation>
    </message>
    <message>
        <source>Exchange languages</source>
        <translation>交换语言</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>说明</translation>
    </message>
</context>
<context>
    <name>CustomContextMenu</name>
    <message>
        <source>This option may contain profanity. Please use with caution.</source>
        <translation>此选项可能含有不雅用语，请谨慎使用。</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Add to Glossary</source>
        <translation>加入个人词库</translation>
    </message>
</context>
<context>
    <name>CustomMenuBar</name>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开…</translation>
    </message>
    <message>
        <source>Open local file</source>
        <translation>打开本地文件</translation>
    </message>
    <message>
        <source>Open from Evernote</source>
        <translation>从印象笔记打开</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>最近使用的文件</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Save to local file</source>
        <translation>保存到本地文件</translation>
    </message>
    <message>
        <source>Save to Evernote</source>
        <translation>保存到印象笔记</translation>
    </message>
    <message>
        <source>Document templates</source>
        <translation>文档模板</translation>
    </message>
    <message>
        <source>User center</source>
        <translation>用户中心</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意见反馈</translation>
    </message>
    <message>
        <source>About Quillet</source>
        <translation>关于 Quillet</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Close Quillet</source>
        <translation>关闭 Quillet</translation>
    </message>
</context>
<context>
    <name>CustomTextEditor</name>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>The text to review. After a review, each flagged word has a suggestion under it.</source>
        <translation>要检查的文本。检查之后，每个标出的词下方都有一条建议。</translation>
    </message>
</context>
<context>
    <name>DocumentNaming</name>
    <message>
        <source>All supported files (*.txt *.doc *.docx)</source>
        <translation>所有支持的文件 (*.txt *.doc *.docx)</translation>
    </message>
    <message>
        <source>Text document(*.txt)</source>
        <translation>文本文档(*.txt)</translation>
    </message>
    <message>
        <source>Word document(*.docx)</source>
        <translation>Word 文档(*.docx)</translation>
    </message>
    <message>
        <source>Word 97-2003 document(*.doc)</source>
        <translation>Word 97-2003 文档(*.doc)</translation>
    </message>
</context>
<context>
    <name>EvernoteListFrame</name>
    <message>
        <source>Open from Evernote</source>
        <translation>从印象笔记打开</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>搜索笔记</translation>
    </message>
    <message>
        <source>Failed to load the requested note. Press &quot;RELOAD&quot; and please try again.</source>
        <translation>无法载入所选笔记。请按“重新载入”再试一次。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新载入</translation>
    </message>
</context>
<context>
    <name>EvernoteProgressFrame</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Connection error. Please retry.</source>
        <translation>连接出错，请重试。</translation>
    </message>
    <message>
        <source>Authorize in process...</source>
        <translation>正在授权...</translation>
    </message>
    <message>
        <source>Fail to authorize.</source>
        <translation>授权失败。</translation>
    </message>
    <message>
        <source>Getting access token...</source>
        <translation>正在获取访问令牌...</translation>
    </message>
    <message>
        <source>Fail to get access token.</source>
        <translation>无法获取访问令牌。</translation>
    </message>
    <message>
        <source>Generating note url...</source>
        <translation>正在生成笔记地址...</translation>
    </message>
    <message>
        <source>Creating note...</source>
        <translation>正在创建笔记...</translation>
    </message>
    <message>
        <source>Fetching notes...</source>
        <translation>正在获取笔记...</translation>
    </message>
    <message>
        <source>Successfully saved to Evernote.</source>
        <translation>已成功保存到印象笔记。</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to connection error.</source>
        <translation>连接出错，未能保存到印象笔记。</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to monthly quota has run out for the given account.</source>
        <translation>该账户本月的上传额度已用完，未能保存到印象笔记。</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to excess of the per-note size limit.</source>
        <translation>笔记超过单条大小上限，未能保存到印象笔记。</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to unexpected error.</source>
        <translation>发生意外错误，未能保存到印象笔记。</translation>
    </message>
    <message>
        <source>Open from Evernote has failed due to connection error.</source>
        <translation>连接出错，未能从印象笔记打开。</translation>
    </message>
    <message>
        <source>Open from Evernote has failed due to excess of the per-note size limit or illegal format.</source>
        <translation>笔记超过大小上限或格式不正确，未能从印象笔记打开。</translation>
    </message>
    <message>
        <source>Open from Evernote has failed due to unexpected error.</source>
        <translation>发生意外错误，未能从印象笔记打开。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>EvernoteWindow</name>
    <message>
        <source>Authorize Quillet</source>
        <translation>授权 Quillet</translation>
    </message>
</context>
<context>
    <name>MainWnd</name>
    <message>
        <source>Saving the Word 97-2003 document...</source>
        <translation>正在保存 Word 97-2003 文档...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消...</translation>
    </message>
    <message>
        <source>Oops, nobody answered. There&apos;s a connection error or Quillet is not home right now.			   

Please check your network connection. You may need to use proxy under certain circumstances.</source>
        <translation>哎呀，没有收到回应。可能是网络连接出错，或者 Quillet 服务暂时无法访问。

请检查您的网络连接。某些情况下您可能需要使用代理。</translation>
    </message>
    <message>
        <source>Sorry, your request surpassed  Quillet usage limit (10,000 words per submit). Please shorten your text and try again.</source>
        <translation>抱歉，您的文本超出了 Quillet 的使用限制（每次提交最多 10,000 个词）。请缩短文本后重试。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Sorry, your request surpassed  Quillet usage limit (30,000 words per minute). Please try again later.</source>
        <translation>抱歉，您的请求超出了 Quillet 的使用限制（每分钟最多 30,000 个词）。请稍后再试。</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>词数：</translation>
    </message>
    <message>
        <source>Errors:</source>
        <translation>错误：</translation>
    </message>
    <message>
        <source>Suggestions:</source>
        <translation>建议：</translation>
    </message>
    <message>
        <source>(Disabled)</source>
        <translation>（已关闭）</translation>
    </message>
    <message>
        <source>Oops...Quillet has no suggestions for your current text. Either you wrote brilliantly, or Quillet is not smart enough.</source>
        <translation>哎呀……Quillet 对当前文本没有任何修改建议。要么是您写得非常出色，要么是 Quillet 还不够聪明。</translation>
    </message>
    <message>
        <source>Log in session expired. Please log in again to continue using Quillet. </source>
        <translation>登录已过期。请重新登录以继续使用 Quillet。</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>All flagged errors will be replaced with the top correction option shown right beneath it. Proceed anyway?</source>
        <translation>所有标出的错误都将被替换为其下方显示的首选修改。是否继续？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Your current text will be cleared. Proceed?</source>
        <translation>当前文本将被清空。是否继续？</translation>
    </message>
    <message>
        <source>Successfully copied.</source>
        <translation>复制成功。</translation>
    </message>
    <message>
        <source>Your software crashed unexpectedly. Text recovered and loaded for you before the crash.</source>
        <translation>程序意外崩溃。已为您恢复并载入崩溃前的文本。</translation>
    </message>
    <message>
        <source>Your current text will be lost if not saved. Proceed anyway?</source>
        <translation>当前文本尚未保存，将会丢失。是否继续？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Your current text will be lost without being saved. Confirm log out?</source>
        <translation>当前文本尚未保存，将会丢失。确定退出登录吗？</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>The current text will be replaced. You may lose all edits if not saved. Proceed?</source>
        <translation>当前文本将被替换，未保存的修改会全部丢失。是否继续？</translation>
    </message>
    <message>
        <source>Failed to load file. Either the file doesn&apos;t exist, or the file format is not supported.</source>
        <translation>无法打开文件。文件不存在，或文件格式不受支持。</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>保存文件失败。</translation>
    </message>
    <message>
        <source>Failed to save file.
Either you&apos;re trying to over-write a file which is in use. Or you may have to install Office first.</source>
        <translation>保存文件失败。
您可能正在覆盖一个正被使用的文件，或者需要先安装 Office 软件。</translation>
    </message>
    <message>
        <source>Successfully saved.</source>
        <translation>已成功保存。</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ProgressOverlay</name>
    <message>
        <source>Reviewing your text...</source>
        <translation>正在批改您的文本…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ProxyPanel</name>
    <message>
        <source>No proxy</source>
        <translation>不使用代理</translation>
    </message>
    <message>
        <source>Browser built-in proxy</source>
        <translation>浏览器内置代理</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>代理类型</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>域</translation>
    </message>
    <message>
        <source>Check proxy settings</source>
        <translation>检测代理设置</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>正在检测…</translation>
    </message>
    <message>
        <source>Valid proxy.</source>
        <translation>代理可用。</translation>
    </message>
    <message>
        <source>Invalid proxy.</source>
        <translation>代理不可用。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>批改</translation>
    </message>
    <message>
        <source>Apply all</source>
        <translation>全部采纳</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>全部复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Search or Translate</source>
        <translation>查词或翻译</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>侧边栏</translation>
    </message>
    <message>
        <source>Network connection fails</source>
        <translation>网络连接失败</translation>
    </message>
    <message>
        <source>Updates available</source>
        <translation>有可用更新</translation>
    </message>
</context>
<context>
    <name>ReportFrame</name>
    <message>
        <source>Troll</source>
        <translation>巨怪</translation>
    </message>
    <message>
        <source>Dreadful</source>
        <translation>很差</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>差</translation>
    </message>
    <message>
        <source>Acceptable</source>
        <translation>及格</translation>
    </message>
    <message>
        <source>Exceeds Expectations</source>
        <translation>良好</translation>
    </message>
    <message>
        <source>Outstanding</source>
        <translation>优秀</translation>
    </message>
    <message>
        <source>%1 mistake(s) found</source>
        <translation>发现 %1 处错误</translation>
    </message>
    <message>
        <source>%1 word(s) in %2 sentence(s)</source>
        <translation>%2 个句子，共 %1 个词</translation>
    </message>
    <message>
        <source>%1 word(s) per sentence</source>
        <translation>平均每句 %1 个词</translation>
    </message>
    <message>
        <source>(Disabled)</source>
        <translation>（已关闭）</translation>
    </message>
    <message>
        <source>%1 suggestion(s) made</source>
        <translation>提出 %1 条建议</translation>
    </message>
    <message>
        <source>A1 (Breakthrough)</source>
        <translation>A1（入门级）</translation>
    </message>
    <message>
        <source>A2 (Waystage)</source>
        <translation>A2（基础级）</translation>
    </message>
    <message>
        <source>B1 (Threshold)</source>
        <translation>B1（进阶级）</translation>
    </message>
    <message>
        <source>B2 (Vantage)</source>
        <translation>B2（高阶级）</translation>
    </message>
    <message>
        <source>C1 (Effective Operational Proficiency)</source>
        <translation>C1（流利运用级）</translation>
    </message>
    <message>
        <source>C2 (Mastery)</source>
        <translation>C2（精通级）</translation>
    </message>
    <message>
        <source>BASE</source>
        <extracomment>Exam levels of the Chinese interface: high-school English, College English Test bands 4 and 6, IELTS, TOEFL, GRE. Only the Chinese interface shows them.</extracomment>
        <translation>高中</translation>
    </message>
    <message>
        <source>CET4</source>
        <translation>四级</translation>
    </message>
    <message>
        <source>CET6</source>
        <translation>六级</translation>
    </message>
    <message>
        <source>IELTS</source>
        <translation>雅思</translation>
    </message>
    <message>
        <source>TOEFL</source>
        <translation>托福</translation>
    </message>
    <message>
        <source>GRE</source>
        <translation>GRE</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>C2</source>
        <translation>C2</translation>
    </message>
</context>
<context>
    <name>ReportFrameClass</name>
    <message>
        <source>Spelling Mistakes</source>
        <translation>拼写错误</translation>
    </message>
    <message>
        <source>Grammar Mistakes</source>
        <translation>语法错误</translation>
    </message>
    <message>
        <source>Other Mistakes</source>
        <translation>其他错误</translation>
    </message>
    <message>
        <source>%1 mistake(s) found</source>
        <translation>发现 %1 处错误</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>词汇</translation>
    </message>
    <message>
        <source>(Too simple to tell.)</source>
        <translation>（文本过于简单，无法评价。）</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>句子结构</translation>
    </message>
    <message>
        <source>vocabulary level</source>
        <translation>词汇等级</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>C2</source>
        <translation>C2</translation>
    </message>
    <message>
        <source>Total Suggestions</source>
        <translation>建议总数</translation>
    </message>
    <message>
        <source>Word and Sentence Count</source>
        <translation>词数与句数</translation>
    </message>
    <message>
        <source>Average Length</source>
        <translation>平均句长</translation>
    </message>
    <message>
        <source>Share my result</source>
        <translation>分享我的结果</translation>
    </message>
    <message>
        <source>Tell your friends about Quillet</source>
        <translation>把 Quillet 推荐给朋友</translation>
    </message>
</context>
<context>
    <name>SamplePrompt</name>
    <message>
        <source>Not sure what to write? Click here to try a sample text.</source>
        <translation>不知道写什么？点击这里试试范文。</translation>
    </message>
</context>
<context>
    <name>SettingFrame</name>
    <message>
        <source>Unfortunately, the request failed.&lt;br /&gt;Fortunately, you can always visit &lt;a style=&apos;color:#00c8ff;&apos; href=&apos;%1&apos;&gt;our website&lt;/a&gt; to download the latest version.</source>
        <translation>很遗憾，请求失败了。&lt;br /&gt;不过您随时可以访问&lt;a style=&apos;color:#00c8ff;&apos; href=&apos;%1&apos;&gt;我们的网站&lt;/a&gt;下载最新版本。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source> Automatically jump to the next flagged error, when done with correcting the previous one.</source>
        <translation> 改完一处错误后，自动跳到下一处标出的错误。</translation>
    </message>
    <message>
        <source>Show me enrichment suggestions beside grammar/spelling corrections.</source>
        <translation>除语法和拼写修改外，也显示润色建议。</translation>
    </message>
    <message>
        <source>Show me &quot;Correction Statistics&quot; after each grammar check.</source>
        <translation>每次检查后显示“批改统计”。</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Please restart Quillet after changing the language setting</source>
        <translation>更改语言设置后，请重新启动 Quillet</translation>
    </message>
    <message>
        <source>Restart Quillet</source>
        <translation>重新启动 Quillet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>You&apos;re now running the latest version.</source>
        <translation>您使用的已是最新版本。</translation>
    </message>
    <message>
        <source>available</source>
        <translation>可供更新</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Text size:</source>
        <translation>文字大小：</translation>
    </message>
    <message>
        <source>System size</source>
        <translation>系统大小</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> 磅</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字大小</translation>
    </message>
</context>
<context>
    <name>Titlebar</name>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>TutorialOverlay</name>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Welcome to Quillet</source>
        <translation>欢迎使用 Quillet</translation>
    </message>
    <message>
        <source>Type or paste your English text into the editor, or open a document.</source>
        <translation>在编辑区输入或粘贴您的英文文本，也可以打开一个文档。</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>批改</translation>
    </message>
    <message>
        <source>Press Review. Quillet checks every sentence and colours each word it would change.</source>
        <translation>点击“批改”。Quillet 会逐句检查，并用颜色标出建议修改的每个词。</translation>
    </message>
    <message>
        <source>One click to correct</source>
        <translation>一键修改</translation>
    </message>
    <message>
        <source>The best correction sits in a small label under the word: click it to apply. The side panel shows more choices and explains the rule.</source>
        <translation>最佳修改显示在单词下方的小标签里，点击即可采纳。侧边栏会列出更多选项，并讲解相关语法规则。</translation>
    </message>
    <message>
        <source>Ready?</source>
        <translation>准备好了吗？</translation>
    </message>
    <message>
        <source>Press Go and start writing.</source>
        <translation>点击“开始”，动手写作吧。</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <source>Text position</source>
        <translation>文本位置</translation>
    </message>
    <message>
        <source>Opens a text or Word document (Ctrl+O).</source>
        <translation>打开文本或 Word 文档（Ctrl+O）。</translation>
    </message>
    <message>
        <source>Checks the text and flags errors (F7). F8 and Shift+F8 move between the flagged words; Ctrl+Return applies the suggestion of the current one.</source>
        <translation>检查文本并标出错误（F7）。F8 和 Shift+F8 在标出的词之间移动；Ctrl+Enter 应用当前词的建议。</translation>
    </message>
    <message>
        <source>Applies the first suggestion of every flagged word.</source>
        <translation>对每个标出的词应用第一条建议。</translation>
    </message>
    <message>
        <source>Saves the text as a document (Ctrl+S).</source>
        <translation>将文本保存为文档（Ctrl+S）。</translation>
    </message>
    <message>
        <source>Copies the whole text.</source>
        <translation>复制全部文本。</translation>
    </message>
    <message>
        <source>Pastes the clipboard&apos;s text.</source>
        <translation>粘贴剪贴板中的文本。</translation>
    </message>
    <message>
        <source>Removes the whole text.</source>
        <translation>清除全部文本。</translation>
    </message>
    <message>
        <source>Shows the statistics of the last review.</source>
        <translation>显示上一次检查的统计。</translation>
    </message>
    <message>
        <source>Shows the side panel with the current suggestion&apos;s explanation.</source>
        <translation>显示侧边栏，其中有当前建议的说明。</translation>
    </message>
    <message>
        <source>Flagged: &quot;%1&quot;.</source>
        <translation>标出：“%1”。</translation>
    </message>
    <message>
        <source>Flagged: &quot;%1&quot;. Suggestion: %2.</source>
        <translation>标出：“%1”。建议：%2。</translation>
    </message>
</context>
</TS>
