// Where the main dialog sends the commands it does not handle itself: the
// application object takes the menu's Open, Exit, Clean, File Revision, Help
// and About.
#ifndef KCG_APP_COMMAND_ROUTER_H
#define KCG_APP_COMMAND_ROUTER_H

class CommandRouter {
  public:
    virtual ~CommandRouter() = default;
    // True when the command (a control or menu id with its notification code)
    // was handled.
    virtual bool RouteCommand(int id, int code) = 0;
};

#endif // KCG_APP_COMMAND_ROUTER_H
